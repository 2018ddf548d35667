// A derived class inherits its base's private members but may not touch them:
// only the base's own functions may, and the friends it names, if any.
// Refused by GCC: 'int Moggy::lives' is private within this context
// Refused by Clang: 'lives' is a private member of 'Moggy'
// Refused by MSVC: C2248
#include <iostream>

class Moggy {
 public:
  int lives_left() const { return lives; }  // allowed: Moggy's own function

 private:
  int lives = 9;
};

class Kitten : public Moggy {
 public:
  int lives_used() const { return 9 - lives; }  // refused: lives is private to Moggy
};

int main() {
  const Kitten kitten;
  std::cout << kitten.lives_left() << ' ' << kitten.lives_used() << '\n';
}
