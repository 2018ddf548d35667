// A Champion is a Dog and a Title, and both have a member called name. Not
// qualified, champion.name is ambiguous: the compiler finds one in each base
// and picks neither. Naming the base, champion.Title::name, is fine.
// Refused by GCC: request for member 'name' is ambiguous
// Refused by Clang: member 'name' found in multiple base classes of different types
// Refused by MSVC: C2385
#include <iostream>
#include <string>

#include "animal.hpp"

class Title {
 public:
  std::string name = "Best in Show";
};

class Champion : public Dog, public Title {
 public:
  Champion() : Dog{"Fafik", "white", 10} {}
};

int main() {
  const Champion champion;
  std::cout << champion.Title::name << '\n';
  std::cout << champion.name << '\n';  // refused: Animal's name or Title's?
}
