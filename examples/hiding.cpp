// A do_nothing(int) declared in a derived class hides the inherited
// do_nothing(); a using-declaration brings it back beside the new one.
#include <iostream>

#include "animal.hpp"

class Lazy : public Animal {
 public:
  Lazy() : Animal{"Leniuch", 2} {}
  using Animal::do_nothing;  // without it, lazy.do_nothing() would not compile
  void do_nothing(int times) const { std::cout << name << " naps " << times << " times\n"; }
};

int main() {
  const Lazy lazy;
  lazy.do_nothing();   // Animal's, brought in by the using-declaration
  lazy.do_nothing(3);  // Lazy's own
}
// Output:
// .................................
// Leniuch naps 3 times
