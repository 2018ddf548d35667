// A derived class inherits its base's private members but may not touch them:
// only the base's own functions may.
// Refused by GCC: 'int Cat::lives' is private within this context
// Refused by Clang: 'lives' is a private member of 'Cat'
// Refused by MSVC: C2248
#include <iostream>

class Cat {
 public:
  int lives_left() const { return lives; }  // allowed: Cat's own function

 private:
  int lives = 9;
};

class Kitten : public Cat {
 public:
  int lives_used() const { return 9 - lives; }  // refused: lives is private to Cat
};

int main() {
  const Kitten kitten;
  std::cout << kitten.lives_left() << ' ' << kitten.lives_used() << '\n';
}
