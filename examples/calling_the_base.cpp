// A function of a derived class can still run the base's version by naming
// it, Animal::do_nothing() or Singer::sing(), and then add something of its
// own: a redefinition that hides the base's can, and so can an override.
#include <iostream>

#include "animal.hpp"

class Sleepy : public Animal {
 public:
  Sleepy() : Animal{"Burek", 7} {}
  void do_nothing() const {
    // A plain do_nothing() here would call this one again and again, until the
    // stack overflows and the program crashes; GCC and Clang warn of it.
    Animal::do_nothing();
    std::cout << name << " yawns\n";
  }
};

class Singer {
 public:
  virtual ~Singer() = default;
  virtual void sing() const { std::cout << "la la la\n"; }
};
class Canary : public Singer {
 public:
  void sing() const override {
    Singer::sing();  // named, so the base's runs, though the object is a Canary
    std::cout << "and a trill\n";
  }
};

int main() {
  const Sleepy sleepy;
  sleepy.do_nothing();
  const Canary canary;
  const Singer& singer = canary;
  singer.sing();  // Canary's, which runs Singer's first
}
// Output:
// .................................
// Burek yawns
// la la la
// and a trill
