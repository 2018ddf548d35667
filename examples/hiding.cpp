// A do_nothing(int) declared in a derived class hides the inherited
// do_nothing(); a using-declaration brings it back beside the new one. Hiding
// can also pick another function without a word: a KitchenScale's weigh(500)
// runs its own weigh(double), though Scale's weigh(int) fits better.
#include <iostream>

#include "animal.hpp"

class Lazy : public Animal {
 public:
  Lazy() : Animal{"Leniuch", 2} {}
  using Animal::do_nothing;  // without it, lazy.do_nothing() would not compile
  void do_nothing(int times) const { std::cout << name << " naps " << times << " times\n"; }
};

class Scale {
 public:
  void weigh(int grams) const { std::cout << grams << " g\n"; }
};
// The other way round, a derived weigh(int) would take weigh(2.5) too, as 2.
// Clang warns of that by default (-Wliteral-conversion); GCC with
// -Wfloat-conversion, which -Wconversion, on in this build, turns on, and
// not with -Wall -Wextra -Wpedantic alone.
class KitchenScale : public Scale {
 public:
  void weigh(double kilos) const { std::cout << kilos << " kg\n"; }
};

int main() {
  const Lazy lazy;
  lazy.do_nothing();   // Animal's, brought in by the using-declaration
  lazy.do_nothing(3);  // Lazy's own
  const KitchenScale scale;
  scale.weigh(500);         // KitchenScale's: the int becomes a double
  scale.Scale::weigh(500);  // Scale's, named
}
// Output:
// .................................
// Leniuch naps 3 times
// 500 kg
// 500 g
