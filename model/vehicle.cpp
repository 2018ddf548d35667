#include "vehicle.hpp"

#include <limits>
#include <utility>

Vehicle::Vehicle(std::string b, std::int32_t s) : brand{std::move(b)}, speed{s} {}

void Vehicle::breaking() const noexcept {}

// As in Dog's, the base part comes first, built by the constructor named here.
car::car(std::int32_t g, std::int32_t f, std::string b, std::int32_t s)
    : Vehicle{std::move(b), s}, gear{g}, fuel{std::to_string(f)} {}

// No gear is too low or too high: 0 shifts down to -1, 5 up to 6. Only the
// ends of std::int32_t stop a shift, as going past them would be a signed
// overflow, which is undefined behaviour.
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
