#include "vehicle.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "cout_recorder.hpp"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// A car is built like the Vehicle it is, and both take text as the animals
// do: named strings are copied, temporaries (here empty) taken as they are.
TEST(VehicleTest, ConstructionCopiesNamedTextAndTakesTemporaries) {
  std::string brand = "toyota sigma supra";
  const Vehicle vehicle{brand, 90};
  const car toyota{1, 15, brand, 12};
  EXPECT_EQ(brand, "toyota sigma supra");
  brand[0] = 'T';
  EXPECT_EQ(vehicle.brand, "toyota sigma supra");
  EXPECT_EQ(vehicle.speed, 90);
  EXPECT_EQ(toyota.gear, 1);
  EXPECT_EQ(toyota.fuel, "15");
  EXPECT_EQ(toyota.brand, "toyota sigma supra");
  EXPECT_EQ(toyota.speed, 12);

  EXPECT_EQ((Vehicle{std::string{}, -1}.brand), "");
  EXPECT_EQ((car{1, 15, std::string{}, 12}.brand), "");
}

TEST(CarTest, FuelIsTheDecimalTextOfTheNumber) {
  EXPECT_EQ((car{1, -7, "", 0}.fuel), "-7");
  EXPECT_EQ((car{1, 0, "", 0}.fuel), "0");
  EXPECT_EQ((car{1, kMax, "", 0}.fuel), "2147483647");
  EXPECT_EQ((car{1, kMin, "", 0}.fuel), "-2147483648");
}

TEST(CarTest, ShiftingMovesOneGearAndNothingElse) {
  CoutRecorder out;
  car toyota{1, 15, "toyota sigma supra", 12};
  toyota.Gear_up();
  toyota.Gear_up();
  toyota.Gear_down();
  toyota.breaking();
  EXPECT_EQ(toyota.gear, 2);
  EXPECT_EQ(toyota.speed, 12);
  EXPECT_EQ(toyota.brand, "toyota sigma supra");
  EXPECT_EQ(toyota.fuel, "15");
  EXPECT_EQ(out.text(), "");
}

TEST(CarTest, GearHasNoRangeOfItsOwn) {
  car low{0, 0, "", 0};
  low.Gear_down();
  EXPECT_EQ(low.gear, -1);

  car high{5, 0, "", 0};
  high.Gear_up();
  high.Gear_up();
  high.Gear_up();
  EXPECT_EQ(high.gear, 8);
}

TEST(CarTest, GearStaysPutAtTheEndsOfItsType) {
  car top{kMax - 1, 0, "", 0};
  top.Gear_up();
  EXPECT_EQ(top.gear, kMax);
  top.Gear_up();
  EXPECT_EQ(top.gear, kMax);
  top.Gear_down();
  EXPECT_EQ(top.gear, kMax - 1);

  car bottom{kMin + 1, 0, "", 0};
  bottom.Gear_down();
  EXPECT_EQ(bottom.gear, kMin);
  bottom.Gear_down();
  EXPECT_EQ(bottom.gear, kMin);
  bottom.Gear_up();
  EXPECT_EQ(bottom.gear, kMin + 1);
}

}  // namespace
