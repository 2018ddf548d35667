// A std::vector<Animal> holds Animals, not Dogs: each dog put in is sliced,
// copied as its Animal part, the name and zycie, with no kolor and no bark().
// To keep each dog whole, hold pointers instead, as zoo.cpp does.
#include <iostream>
#include <vector>

#include "animal.hpp"

int main() {
  Dog burek{"Burek", "grey", 9};
  const Dog azor{"Azor", "brown", 8};
  // NOLINTNEXTLINE(cppcoreguidelines-slicing): slicing is what this shows.
  const std::vector<Animal> animals{burek, azor};
  burek.name = "Reksio";  // the vector holds copies: its Burek keeps its name
  for (const Animal& animal : animals) {
    std::cout << animal.name << " has zycie " << animal.zycie << '\n';
  }
  // animals[0].kolor or animals[0].bark() would not compile: an Animal has
  // neither. What a Dog adds takes room that an element does not have:
  std::cout << std::boolalpha
            << "an element is smaller than a Dog: " << (sizeof(animals[0]) < sizeof(Dog)) << '\n';
}
// Output:
// Burek has zycie 9
// Azor has zycie 8
// an element is smaller than a Dog: true
