// Drowsy's do_nothing(int) hides the do_nothing() it inherits from Animal, and
// no using-declaration brings it back: drowsy.do_nothing() finds only the one
// that takes an int.
// Refused by GCC: no matching function for call to 'Drowsy::do_nothing() const'
// Refused by Clang: too few arguments to function call, expected 1, have 0
// Refused by MSVC: C2660
#include <iostream>

#include "animal.hpp"

class Drowsy : public Animal {
 public:
  Drowsy() : Animal{"Leniuch", 2} {}
  void do_nothing(int times) const { std::cout << name << " naps " << times << " times\n"; }
};

int main() {
  const Drowsy drowsy;
  drowsy.do_nothing(3);
  drowsy.do_nothing();  // refused: Animal's do_nothing() is hidden
}
