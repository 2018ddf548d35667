#include "animal.hpp"

#include <iostream>
#include <utility>

Animal::Animal(std::string n, std::int32_t z) : name{std::move(n)}, zycie{z} {}

// Every line is flushed as it ends (std::endl): a flushed line has left the
// process, so it stays printed even if the run later ends abnormally, and a
// failed write shows in std::cout's state at once, where the caller can see it.
void Animal::do_nothing() const { std::cout << "................................." << std::endl; }

// The Animal part is built first, and only by an Animal constructor: as
// Animal has none without arguments, Dog's names the one it calls.
Dog::Dog(std::string n, std::string k, std::int32_t z)
    : Animal{std::move(n), z}, kolor{std::move(k)} {}

void Dog::bark() const { std::cout << "WOOF! WOOF!" << std::endl; }
