// A virtual function called in a constructor runs the version of the class
// whose constructor it is, not an override: while Hatchling's part is built,
// the Owlet's part is not there yet, so the object is only a Hatchling.
#include <iostream>

class Hatchling {
 public:
  Hatchling() { std::cout << "built as " << kind() << '\n'; }
  virtual ~Hatchling() = default;
  [[nodiscard]] virtual const char* kind() const { return "a hatchling"; }
  void describe() const { std::cout << "now " << kind() << '\n'; }
};

class Owlet : public Hatchling {
 public:
  [[nodiscard]] const char* kind() const override { return "an owlet"; }
};

int main() {
  const Owlet owlet;  // Hatchling() runs first, and calls Hatchling's kind()
  owlet.describe();   // built: now the object picks, as in binding.cpp
}
// Output:
// built as a hatchling
// now an owlet
