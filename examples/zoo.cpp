// Different animals in one collection: each is held through a pointer to
// their common base, so none is sliced, and each call runs its own override.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

class Pet {
 public:
  Pet() = default;
  // unique_ptr<Pet> deletes its pet through a Pet*. Without virtual here that is
  // undefined behaviour: in practice the Parrot's destructor, and its word's, would not run.
  virtual ~Pet() = default;
  Pet(const Pet&) = delete;  // a copy through a Pet& would copy only the Pet part
  Pet& operator=(const Pet&) = delete;
  Pet(Pet&&) = delete;
  Pet& operator=(Pet&&) = delete;
  virtual void speak() const = 0;
};

class Cat : public Pet {
 public:
  void speak() const override { std::cout << "Meow\n"; }
};

class Parrot : public Pet {
 public:
  void speak() const override { std::cout << word << "! " << word << "!\n"; }
  std::string word = "Polly";
};

int main() {
  std::vector<std::unique_ptr<Pet>> zoo;
  zoo.push_back(std::make_unique<Cat>());
  zoo.push_back(std::make_unique<Parrot>());
  for (const auto& pet : zoo) {
    pet->speak();
  }
}
// Output:
// Meow
// Polly! Polly!
