// A Dog is an Animal: it goes wherever an Animal& is expected. Copied into an
// Animal, it keeps only its Animal part (slicing).
#include <iostream>

#include "animal.hpp"

// Takes any Animal, so a Dog too: `a` refers to the dog itself, not to a copy,
// though through it only what an Animal has can be used.
void greet(const Animal& a) { std::cout << "hello, " << a.name << '\n'; }

int main() {
  const Dog dog{"Fafikorek", "czarno zielony", 12};
  greet(dog);

  // NOLINTNEXTLINE(cppcoreguidelines-slicing): slicing is what this shows.
  const Animal a = dog;  // copies name and zycie; kolor is left behind
  std::cout << a.name << " has zycie " << a.zycie << '\n';
  // a.bark(); would not compile: an Animal has no bark, only the Dog has.
  dog.bark();
}
// Output:
// hello, Fafikorek
// Fafikorek has zycie 12
// WOOF! WOOF!
