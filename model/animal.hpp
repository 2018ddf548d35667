#ifndef MODEL_ANIMAL_HPP
#define MODEL_ANIMAL_HPP

#include <cstdint>
#include <string>

// An animal with a name and a life value.
//
// All members are public and read directly: the class is plain data with
// one line of behaviour of its own.
class Animal {
 public:
  // Builds an animal called `n` with life value `z`. The name is taken by
  // value and moved in, so the animal owns its own copy.
  Animal(std::string n, std::int32_t z);

  // Prints a row of 33 full stops as one line, then flushes standard output.
  void do_nothing() const;

  std::string name;
  std::int32_t zycie;
};

// A dog: an animal with a colour, which can bark.
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
