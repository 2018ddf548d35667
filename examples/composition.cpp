// Composition: a class can hold a Dog as a member instead of inheriting from
// it. Prefer this when the relation is "has a" rather than "is a", or when
// the class should offer only part of the Dog's interface.
#include <iostream>
#include <string>
#include <utility>

#include "animal.hpp"

// A shepherd has a dog but is not one: no bark or kolor of his own.
class Shepherd {
 public:
  Shepherd(std::string n, Dog d) : name{std::move(n)}, dog{std::move(d)} {}
  void call_dog() const {
    std::cout << name << " calls " << dog.name << '\n';
    dog.bark();
  }

 private:
  std::string name;
  Dog dog;
};

int main() {
  const Shepherd shepherd{"Jan", Dog{"Burek", "grey", 9}};
  shepherd.call_dog();
  // shepherd.bark(); would not compile: only what Shepherd offers is there.
}
// Output:
// Jan calls Burek
// WOOF! WOOF!
