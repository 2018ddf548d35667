// Animal has no default constructor, so a derived class's constructor must
// build its Animal part by naming it in the initializer list: this one does not.
// Refused by GCC: no matching function for call to 'Animal::Animal()'
// Refused by Clang: constructor for 'Puppy' must explicitly initialize the base class 'Animal'
// Refused by MSVC: C2512
#include <iostream>
#include <string>
#include <utility>

#include "animal.hpp"

class Puppy : public Animal {
 public:
  explicit Puppy(std::string t) : toy{std::move(t)} {}  // refused: no Animal{...} first
  std::string toy;
};

int main() {
  const Puppy puppy{"ball"};
  std::cout << puppy.toy << '\n';
}
