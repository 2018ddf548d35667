// The diamond: two bases derived from one class hold a copy of it each, so a class
// derived from both has two; derived virtually, they share one, which only the
// most derived class, the one of the object being built, constructs.
#include <iostream>

#include "animal.hpp"

class Left : public Animal {
 public:
  Left() : Animal{"left", 1} {}
};
class Right : public Animal {
 public:
  Right() : Animal{"right", 2} {}
};
class Twin : public Left, public Right {};  // Animal& a = twin; is refused: which Animal?

// Animal has no default constructor, so each class that derives from it
// virtually names Animal{...}; building an Otter skips Mammal's and Swimmer's.
class Mammal : public virtual Animal {
 public:
  Mammal() : Animal{"a mammal", 1} {}
};
class Swimmer : public virtual Animal {
 public:
  Swimmer() : Animal{"a swimmer", 2} {}
};
class Otter : public Mammal, public Swimmer {
 public:
  Otter() : Animal{"Wydra", 3} {}
};

int main() {
  const Twin twin;
  std::cout << twin.Left::name << ' ' << twin.Right::name << '\n';
  Otter otter;                               // its Animal{...} runs, not Mammal's or Swimmer's
  otter.Mammal::name += " the otter";        // one Animal: changed through one side,
  std::cout << otter.Swimmer::name << '\n';  // seen through the other
  const Mammal mammal;                       // built alone, its own Animal{...} runs
  std::cout << mammal.name << '\n';
}
// Output:
// left right
// Wydra the otter
// a mammal
