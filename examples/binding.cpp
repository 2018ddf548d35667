// Which function a call runs. Without virtual, the type the call is made
// through picks it (static binding); with virtual, the object itself does.
#include <iostream>

#include "animal.hpp"

// Redefines do_nothing, which Animal does not declare virtual.
class Cat : public Animal {
 public:
  Cat() : Animal{"Mruczek", 9} {}
  void do_nothing() const { std::cout << name << " naps\n"; }
};

// A class with a virtual function gets a virtual destructor too (see zoo.cpp).
class Bird {
 public:
  virtual ~Bird() = default;
  virtual void sing() const { std::cout << "tweet\n"; }
};
class Robin : public Bird {
 public:
  void sing() const override { std::cout << "the robin's song\n"; }
};

int main() {
  const Cat cat;
  const Animal& animal = cat;
  cat.do_nothing();     // Cat's
  animal.do_nothing();  // Animal's: the reference's type picks
  const Robin robin;
  const Bird& bird = robin;
  robin.sing();  // Robin's
  bird.sing();   // Robin's too: the object picks
}
// Output:
// Mruczek naps
// .................................
// the robin's song
// the robin's song
