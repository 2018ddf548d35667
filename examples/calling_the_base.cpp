// A redefined function can still run the base's version by naming it,
// Animal::do_nothing(), and then add something of its own.
#include <iostream>

#include "animal.hpp"

class Sleepy : public Animal {
 public:
  Sleepy() : Animal{"Burek", 7} {}
  void do_nothing() const {
    Animal::do_nothing();  // a plain do_nothing() here would call this one again, endlessly
    std::cout << name << " yawns\n";
  }
};

int main() {
  const Sleepy sleepy;
  sleepy.do_nothing();
}
// Output:
// .................................
// Burek yawns
