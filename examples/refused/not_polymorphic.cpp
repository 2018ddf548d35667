// dynamic_cast down a class tree asks the object what it is, and only an
// object of a polymorphic class, one with a virtual function, can say: Animal
// has none, so it cannot be asked whether it is a Dog.
// Refused by GCC: (source type is not polymorphic)
// Refused by Clang: 'Animal' is not polymorphic
// Refused by MSVC: C2683
#include <iostream>

#include "animal.hpp"

int main() {
  const Dog dog{"Fafikorek", "czarno zielony", 12};
  const Animal& animal = dog;
  if (const auto* found = dynamic_cast<const Dog*>(&animal)) {  // refused: no virtual function
    found->bark();
  }
}
