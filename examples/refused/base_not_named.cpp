// Animal has no default constructor, so a derived class's constructor must
// build its Animal part by naming it in the initializer list: this one does not.
// Refused by GCC: no matching function for call to 'Animal::Animal()'
// Refused by Clang: constructor for 'Terrier' must explicitly initialize the base class 'Animal'
// Refused by MSVC: C2512
#include <iostream>
#include <string>
#include <utility>

#include "animal.hpp"

class Terrier : public Animal {
 public:
  explicit Terrier(std::string t) : toy{std::move(t)} {}  // refused: no Animal{...} first
  std::string toy;
};

int main() {
  const Terrier terrier{"ball"};
  std::cout << terrier.toy << '\n';
}
