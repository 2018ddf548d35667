// Multiple inheritance: a class with two base classes has the members of both.
// A name both bases have is not enough on its own: naming the base, as
// guard.Animal::name or guard.Worker::name, picks one.
#include <iostream>
#include <string>
#include <utility>

#include "animal.hpp"

// A job. Its name is the job's, as an Animal's is the animal's.
class Worker {
 public:
  explicit Worker(std::string j) : name{std::move(j)} {}
  void work() const { std::cout << "works as a " << name << '\n'; }
  std::string name;
};

// A Dog and a Worker at once: the name, zycie, kolor and bark() of the Dog,
// and the name and work() of the Worker. The bases are built in the order
// this line lists them.
class GuardDog : public Dog, public Worker {
 public:
  GuardDog() : Dog{"Azor", "brown", 8}, Worker{"guard"} {}
};

int main() {
  const GuardDog guard;
  std::cout << guard.Animal::name << " is " << guard.kolor << '\n';
  guard.bark();
  guard.work();
  std::cout << guard.Animal::name << "'s job: " << guard.Worker::name << '\n';
  // guard.name alone would not compile: which one? (refused/ambiguous_name.cpp)
  const Worker& worker = guard;  // a GuardDog is a Worker too
  std::cout << "as a Worker its name is " << worker.name << '\n';
}
// Output:
// Azor is brown
// WOOF! WOOF!
// works as a guard
// Azor's job: guard
// as a Worker its name is guard
