// The demonstration: one dog and one car, put through a fixed script of
// seven lines on standard output.

#include <cstdlib>
#include <iostream>

#include "animal.hpp"
#include "vehicle.hpp"

int main() {
  Dog Fafikorek{"Fafikorek", "czarno zielony", 12};
  std::cout << "moj pies ma na imie " << Fafikorek.name << std::endl;
  Fafikorek.bark();
  Fafikorek.do_nothing();

  car samochod{1, 15, "toyota sigma supra", 12};
  std::cout << "JAZDA" << std::endl;
  samochod.Gear_up();
  std::cout << "szybciej" << std::endl;
  samochod.Gear_up();
  std::cout << "zwolnij" << std::endl;
  samochod.Gear_down();
  std::cout << "aktualny bieg" << std::endl;

  // Lines that never reached the console (a full disk, a closed stream) are
  // a failed run, not a successful one.
  if (!std::cout) {
    std::cerr << "demo: cannot write to standard output" << std::endl;
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
