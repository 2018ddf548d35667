#include "vehicle.hpp"

#include <limits>
#include <utility>

Vehicle::Vehicle(std::string b, std::int32_t s) : brand{std::move(b)}, speed{s} {}

void Vehicle::breaking() const noexcept {}

car::car(std::int32_t g, std::int32_t f, std::string b, std::int32_t s)
    : Vehicle{std::move(b), s}, gear{g}, fuel{std::to_string(f)} {}

// There is no lowest or highest gear, but a signed overflow would be
// undefined behaviour: at either end of the range the shift is refused.
void car::Gear_up() noexcept {
  if (gear < std::numeric_limits<std::int32_t>::max()) {
    ++gear;
  }
}

void car::Gear_down() noexcept {
  if (gear > std::numeric_limits<std::int32_t>::min()) {
    --gear;
  }
}
