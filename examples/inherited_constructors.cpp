// Constructors are not inherited unless asked: "using Dog::Dog;" gives Puppy
// Dog's constructor, fit for a class with nothing of its own to initialize.
#include <iostream>

#include "animal.hpp"

class Puppy : public Dog {
 public:
  using Dog::Dog;  // Puppy{n, k, z} builds its Dog part as Dog{n, k, z} would
  void play() const { std::cout << name << " chases its tail\n"; }
};

int main() {
  const Puppy puppy{"Reksio", "white", 3};
  std::cout << puppy.name << " is " << puppy.kolor << '\n';
  puppy.bark();
  puppy.play();
}
// Output:
// Reksio is white
// WOOF! WOOF!
// Reksio chases its tail
