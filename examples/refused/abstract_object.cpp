// Grazer's graze() is pure virtual (= 0), so Grazer is abstract: there are no
// objects of it, only of classes derived from it that override graze().
// Refused by GCC: cannot declare variable 'grazer' to be of abstract type 'Grazer'
// Refused by Clang: variable type 'const Grazer' is an abstract class
// Refused by MSVC: C2259
#include <iostream>

class Grazer {
 public:
  virtual ~Grazer() = default;
  virtual void graze() const = 0;
};

class Sheep : public Grazer {
 public:
  void graze() const override { std::cout << "the sheep grazes\n"; }
};

int main() {
  const Sheep sheep;  // allowed: Sheep overrides graze()
  sheep.graze();
  const Grazer grazer;  // refused: a Grazer alone has no graze() to run
}
