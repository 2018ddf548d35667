// A class inherits privately unless it says public (a struct inherits
// publicly), so everything Mutt inherits from Animal is private in Mutt, and
// main cannot read its name.
// Refused by GCC: 'std::string Animal::name' is inaccessible within this context
// Refused by Clang: 'name' is a private member of 'Animal'
// Refused by MSVC: C2247
#include <iostream>

#include "animal.hpp"

class Mutt : Animal {
 public:
  Mutt() : Animal{"Reksio", 3} {}
};

int main() {
  const Mutt mutt;
  std::cout << mutt.name << '\n';  // refused: name is private in Mutt
}
