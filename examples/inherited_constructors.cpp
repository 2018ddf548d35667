// Constructors are not inherited unless asked: "using Dog::Dog;" gives Pup
// Dog's constructor, fit for a class with nothing of its own to initialize.
#include <iostream>

#include "animal.hpp"

class Pup : public Dog {
 public:
  using Dog::Dog;  // Pup{n, k, z} builds its Dog part as Dog{n, k, z} would
  void play() const { std::cout << name << " chases its tail\n"; }
};

int main() {
  const Pup pup{"Reksio", "white", 3};
  std::cout << pup.name << " is " << pup.kolor << '\n';
  pup.bark();
  pup.play();
}
// Output:
// Reksio is white
// WOOF! WOOF!
// Reksio chases its tail
