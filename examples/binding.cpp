// Which function a call runs. Without virtual, the type the call is made
// through picks it (static binding); with virtual, the object itself does.
#include <iostream>

#include "animal.hpp"

// Redefines do_nothing, which Animal does not declare virtual.
class Tomcat : public Animal {
 public:
  Tomcat() : Animal{"Mruczek", 9} {}
  void do_nothing() const { std::cout << name << " naps\n"; }
};

// A base with a virtual function should have a virtual destructor, so that
// deleting a derived object through a pointer to the base works (see zoo.cpp);
// the compiler does not add one. = default asks for the destructor the
// compiler would write.
class Songbird {
 public:
  virtual ~Songbird() = default;
  virtual void sing() const { std::cout << "tweet\n"; }
};
class Robin : public Songbird {
 public:
  void sing() const override { std::cout << "the robin's song\n"; }
};

int main() {
  const Tomcat tomcat;
  const Animal& animal = tomcat;
  tomcat.do_nothing();  // Tomcat's
  animal.do_nothing();  // Animal's: the reference's type picks
  const Robin robin;
  const Songbird& bird = robin;
  robin.sing();  // Robin's
  bird.sing();   // Robin's too: the object picks
}
// Output:
// Mruczek naps
// .................................
// the robin's song
// the robin's song
