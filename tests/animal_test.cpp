#include "animal.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "cout_recorder.hpp"

namespace {

// What CoutRecorder::flushes() holds, said in each failure that shows one.
using Flushes = std::vector<std::size_t>;
constexpr const char* kFlushes =
    "Each number is how many characters std::cout had been given when it was flushed.";

// A Dog is built like the Animal it is. From named strings, each keeps its
// own copies: the caller's text is as it was, and later changes to it do not
// reach the objects. Temporaries, here empty, are taken as they are.
TEST(AnimalTest, ConstructionCopiesNamedTextAndTakesTemporaries) {
  std::string name = "Burek";
  std::string colour = "rudy";
  const Animal animal{name, 3};
  const Dog dog{name, colour, -5};
  EXPECT_EQ(name, "Burek");
  EXPECT_EQ(colour, "rudy");
  name += "!";
  colour.clear();
  EXPECT_EQ(animal.name, "Burek");
  EXPECT_EQ(animal.zycie, 3);
  EXPECT_EQ(dog.name, "Burek");
  EXPECT_EQ(dog.kolor, "rudy");
  EXPECT_EQ(dog.zycie, -5);

  const Animal unnamed{std::string{}, 0};
  const Dog stray{std::string{}, std::string{}, 0};
  EXPECT_EQ(unnamed.name, "");
  EXPECT_EQ(stray.name, "");
  EXPECT_EQ(stray.kolor, "");
  EXPECT_EQ(stray.zycie, 0);
}

TEST(AnimalTest, DoNothingPrintsThirtyThreeDotsAsOneFlushedLine) {
  const Animal animal{"Mruczek", 3};
  const Dog dog{"Fafikorek", "czarno zielony", 12};
  CoutRecorder out;
  animal.do_nothing();
  dog.do_nothing();
  const std::string dots(33, '.');
  EXPECT_EQ(out.text(), dots + "\n" + dots + "\n");
  EXPECT_EQ(out.flushes(), (Flushes{34, 68})) << kFlushes;
}

TEST(DogTest, BarkPrintsOneFlushedLine) {
  const Dog dog{"Fafikorek", "czarno zielony", 12};
  CoutRecorder out;
  dog.bark();
  EXPECT_EQ(out.text(), "WOOF! WOOF!\n");
  EXPECT_EQ(out.flushes(), Flushes{12}) << kFlushes;
}

TEST(DogTest, PrintingLeavesEveryMemberAsItWas) {
  Dog dog{"Fafikorek", "czarno zielony", 12};
  CoutRecorder out;
  for (int i = 0; i < 3; ++i) {
    dog.bark();
    dog.do_nothing();
  }
  EXPECT_EQ(dog.name, "Fafikorek");
  EXPECT_EQ(dog.kolor, "czarno zielony");
  EXPECT_EQ(dog.zycie, 12);
}

}  // namespace
