#ifndef MODEL_ANIMAL_HPP
#define MODEL_ANIMAL_HPP

#include <cstdint>
#include <string>

// An animal with a name and a life value.
//
// All members are public and read directly, with no accessors.
class Animal {
 public:
  // Builds an animal called `n` with life value `z`. The name is taken by
  // value and moved into place, so only an lvalue argument is copied: a named
  // string, or the const std::string& a function returns, is copied into `n`;
  // std::move(s) is moved into it; a temporary, such as std::string{"Rex"} or
  // a string a function returns by value, is `n` itself, neither copied nor
  // moved, and "Rex" makes `n` from its characters.
  Animal(std::string n, std::int32_t z);

  // Prints a row of 33 full stops as one line, then flushes standard output.
  void do_nothing() const;

  std::string name;
  std::int32_t zycie;
};

// A dog: an animal with a colour, which can bark.
//
// Dog inherits from Animal, its base class: a Dog has a name, a life value
// and do_nothing() without declaring them again (not the constructor), and as
// the inheritance is public they stay public. A Dog can be passed wherever an
// Animal& is expected, and its address wherever an Animal* is. An array of
// Dogs, though, must not be walked through an Animal* (each step moves by an
// Animal's size, not a Dog's), and a container of Dogs is no container of
// Animals.
class Dog : public Animal {
 public:
  // Builds a dog called `n` of colour `k` with life value `z`. The dog's own
  // value, the colour, stands between the two passed on to the animal part.
  Dog(std::string n, std::string k, std::int32_t z);

  // Prints "WOOF! WOOF!" as one line, then flushes standard output.
  void bark() const;

  std::string kolor;
};

#endif  // MODEL_ANIMAL_HPP
