// Multilevel inheritance: a Husky, a Wolf that is a Creature, is built down the chain and
// destroyed up it; a virtual call through a Creature& runs the lowest override, Husky's.
#include <iostream>

// Says when the part of the chain it is a member of is built and destroyed.
class Mark {
 public:
  explicit Mark(const char* p) : part{p} { std::cout << "build " << part << '\n'; }
  ~Mark() { std::cout << "destroy " << part << '\n'; }
  Mark(const Mark&) = delete;
  Mark& operator=(const Mark&) = delete;
  Mark(Mark&&) = delete;
  Mark& operator=(Mark&&) = delete;

 private:
  const char* part;
};

class Creature {
  Mark mark{"Creature part"};  // a class's members are private unless it says otherwise

 public:
  virtual ~Creature() = default;
  [[nodiscard]] virtual const char* sound() const { return "a sound"; }
};
class Wolf : public Creature {
  Mark mark{"Wolf part"};
};
class Husky : public Wolf {
  Mark mark{"Husky part"};

 public:
  [[nodiscard]] const char* sound() const override { return "a husky's bark"; }
};

int main() {
  const Husky husky;
  const Creature& creature = husky;
  std::cout << "through a Creature&: " << creature.sound() << '\n';
}
// Output:
// build Creature part
// build Wolf part
// build Husky part
// through a Creature&: a husky's bark
// destroy Husky part
// destroy Wolf part
// destroy Creature part
