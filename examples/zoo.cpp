// Different animals in one collection: each is held through a pointer to
// their common base, so none is sliced, and each call runs its own override.
#include <iostream>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

// An abstract class: speak() is pure virtual (= 0), so there are no Pet
// objects, only objects of classes derived from Pet that override speak().
class Pet {
 public:
  Pet() = default;
  // unique_ptr<Pet> deletes its pet through a Pet*. Without virtual here that is
  // undefined behaviour: in practice the Parrot's destructor, and its word's, would not run.
  virtual ~Pet() = default;
  // Assigning through two Pet& would copy only the Pet parts (slicing): deleted,
  // it does not compile.
  Pet(const Pet&) = delete;
  Pet& operator=(const Pet&) = delete;
  Pet(Pet&&) = delete;
  Pet& operator=(Pet&&) = delete;
  virtual void speak() const = 0;
};

// final: no class may derive from Kitty or Parrot.
class Kitty final : public Pet {
 public:
  void speak() const override { std::cout << "Meow\n"; }
};

class Parrot final : public Pet {
 public:
  void speak() const override { std::cout << word << "! " << word << "!\n"; }
  std::string word = "Polly";
};

int main() {
  std::vector<std::unique_ptr<Pet>> zoo;
  zoo.push_back(std::make_unique<Kitty>());
  zoo.push_back(std::make_unique<Parrot>());
  for (const auto& pet : zoo) {
    pet->speak();
  }
  // A downcast: dynamic_cast asks each pet whether it is a Parrot, and gives
  // nullptr for one that is not.
  for (const auto& pet : zoo) {
    if (const auto* parrot = dynamic_cast<const Parrot*>(pet.get())) {
      std::cout << "the parrot knows the word " << parrot->word << '\n';
    }
  }
  // A reference cannot be null, so the reference form throws std::bad_cast
  // for a pet that is not a Parrot.
  try {
    const auto& parrot = dynamic_cast<const Parrot&>(*zoo.front());
    std::cout << "the first pet knows the word " << parrot.word << '\n';
  } catch (const std::bad_cast&) {
    std::cout << "the first pet is no Parrot: std::bad_cast\n";
  }
}
// Output:
// Meow
// Polly! Polly!
// the parrot knows the word Polly
// the first pet is no Parrot: std::bad_cast
