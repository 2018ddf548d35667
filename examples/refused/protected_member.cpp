// A protected member is open to the functions of derived classes, but not to
// code outside the classes, such as main.
// Refused by GCC: 'int Cat::lives' is protected within this context
// Refused by Clang: 'lives' is a protected member of 'Cat'
// Refused by MSVC: C2248
#include <iostream>

class Cat {
 protected:
  int lives = 9;
};

class Kitten : public Cat {
 public:
  int lives_left() const { return lives; }  // allowed: Kitten derives from Cat
};

int main() {
  const Kitten kitten;
  std::cout << kitten.lives_left() << '\n';
  std::cout << kitten.lives << '\n';  // refused: main is outside the classes
}
