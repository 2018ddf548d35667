// A class inherits privately unless it says public, so everything Puppy
// inherits from Animal is private in Puppy, and main cannot read its name.
// Refused by GCC: 'std::string Animal::name' is inaccessible within this context
// Refused by Clang: 'name' is a private member of 'Animal'
// Refused by MSVC: C2247
#include <iostream>

#include "animal.hpp"

class Puppy : Animal {
 public:
  Puppy() : Animal{"Reksio", 3} {}
};

int main() {
  const Puppy puppy;
  std::cout << puppy.name << '\n';  // refused: name is private in Puppy
}
