// Constructors are not inherited unless asked: "using Dog::Dog;" gives Pup
// Dog's constructor, fit for a class with nothing of its own to initialize.
#include <iostream>

#include "animal.hpp"

class Pup : public Dog {
 public:
  // Pup{n, k, z} builds its Dog part as Dog{n, k, z} would. Without this line,
  // Pup is an aggregate, as is every class that declares and inherits no
  // constructor and has no virtual function, no private or protected data
  // member, and no base that is virtual, private or protected: braces build it
  // part by part, here its one part, the Dog. {"Reksio", "white", 3} then gives
  // "Reksio" to the Dog part and has two values left over: GCC says "too many
  // initializers for 'const Pup'", Clang that "Reksio" does not convert to a
  // Dog ("no viable conversion from 'const char[7]' to 'Dog'"). With braces
  // for that part, Pup{{"Reksio", "white", 3}}, it builds.
  using Dog::Dog;
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
