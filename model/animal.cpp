#include "animal.hpp"

#include <iostream>
#include <utility>

Animal::Animal(std::string n, std::int32_t z) : name{std::move(n)}, zycie{z} {}

// Every line is flushed as it ends (std::endl), so that the lines printed
// here and those printed by the caller reach the console in program order.
void Animal::do_nothing() const { std::cout << "................................." << std::endl; }

Dog::Dog(std::string n, std::string k, std::int32_t z)
    : Animal{std::move(n), z}, kolor{std::move(k)} {}

void Dog::bark() const { std::cout << "WOOF! WOOF!" << std::endl; }
