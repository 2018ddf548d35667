// A protected member is open to the functions of a derived class, in objects
// of that class: a Kit may read a Kit's lives, not those of any other Tabby.
// Code outside the classes, such as main, may not.
// Refused by GCC: 'int Tabby::lives' is protected within this context
// Refused by Clang: 'lives' is a protected member of 'Tabby'
// Refused by MSVC: C2248
#include <iostream>

class Tabby {
 protected:
  int lives = 9;
};

class Kit : public Tabby {
 public:
  int lives_left() const { return lives; }  // allowed: Kit derives from Tabby
};

int main() {
  const Kit kit;
  std::cout << kit.lives_left() << '\n';
  std::cout << kit.lives << '\n';  // refused: main is outside the classes
}
