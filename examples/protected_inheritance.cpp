// Protected inheritance, beside public and private. What the base's members
// become in the derived class, by the kind of inheritance:
//
//   inheritance   base's public   base's protected
//   public        public          protected
//   protected     protected       protected
//   private       private         private
//
// The base's private members stay closed to the derived class in all three.
#include <iostream>

#include "animal.hpp"

// Animal's public name, zycie and do_nothing() are protected in Stray: open
// to Stray's functions and to those of classes derived from Stray, not to main.
class Stray : protected Animal {
 public:
  Stray() : Animal{"Kundel", 4} {}
};

// Still protected here: Rescued derives from Stray, so its functions may use
// them. Had Stray inherited privately, this would not compile.
class Rescued : public Stray {
 public:
  void introduce() const {
    std::cout << name << " has zycie " << zycie << '\n';
    do_nothing();
  }
};

int main() {
  const Rescued rescued;
  rescued.introduce();
  // rescued.name or rescued.do_nothing() would not compile: to main, outside
  // the classes, they are protected. Nor may main bind an Animal& to rescued:
  // that a Stray is an Animal is known only to Stray and the classes below it.
  const Dog dog{"Burek", "grey", 9};  // public inheritance: Dog's name is public
  std::cout << dog.name << " has zycie " << dog.zycie << '\n';
}
// Output:
// Kundel has zycie 4
// .................................
// Burek has zycie 9
