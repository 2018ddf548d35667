// override says that a function overrides a virtual one of a base, and the
// compiler checks it: Animal's do_nothing() is not virtual, so there is
// nothing for Snoozer's to override.
// Refused by GCC: 'void Snoozer::do_nothing() const' marked 'override', but does not override
// Refused by Clang: only virtual member functions can be marked 'override'
// Refused by MSVC: C3668
#include <iostream>

#include "animal.hpp"

class Snoozer : public Animal {
 public:
  Snoozer() : Animal{"Spioch", 5} {}
  void do_nothing() const override { std::cout << name << " snoozes\n"; }  // refused: not virtual
};

int main() {
  const Snoozer snoozer;
  snoozer.do_nothing();
}
