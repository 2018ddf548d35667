#ifndef MODEL_VEHICLE_HPP
#define MODEL_VEHICLE_HPP

#include <cstdint>
#include <string>

// A vehicle with a brand and a speed.
//
// All members are public and read directly; no operation changes the speed.
class Vehicle {
 public:
  // Builds a vehicle of brand `b` going at speed `s`. The brand is taken by
  // value and moved into place, as an Animal's name is.
  Vehicle(std::string b, std::int32_t s);

  // Braking. It does nothing: no operation changes the speed.
  void breaking() const noexcept;

  std::string brand;
  std::int32_t speed;
};

// A car: a vehicle with a gear it can shift and a fuel value.
//
// car inherits publicly from Vehicle, as Dog does from Animal: a car has the
// brand, the speed and breaking() of a Vehicle, and adds a gear and a fuel.
class car : public Vehicle {
 public:
  // Builds a car in gear `g` with fuel `f`, of brand `b` going at speed `s`:
  // the car's own two values first, the vehicle part's two last. The fuel is
  // kept as its decimal text: 15 becomes "15".
  car(std::int32_t g, std::int32_t f, std::string b, std::int32_t s);

  // Shifts one gear up. At the largest std::int32_t the gear stays put.
  void Gear_up() noexcept;

  // Shifts one gear down. At the smallest std::int32_t the gear stays put.
  void Gear_down() noexcept;

  std::int32_t gear;
  std::string fuel;
};

#endif  // MODEL_VEHICLE_HPP
