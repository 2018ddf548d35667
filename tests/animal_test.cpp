#include "animal.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "cout_recorder.hpp"

namespace {

using Flushes = std::vector<std::size_t>;

TEST(DogTest, ConstructionKeepsOwnCopiesOfTheArguments) {
  std::string name = "Burek";
  std::string colour = "rudy";
  Dog dog{name, colour, -5};

  EXPECT_EQ(dog.name, "Burek");
  EXPECT_EQ(dog.kolor, "rudy");
  EXPECT_EQ(dog.zycie, -5);

  // The caller's text is untouched, and changing it later does not reach the dog.
  EXPECT_EQ(name, "Burek");
  EXPECT_EQ(colour, "rudy");
  name += "!";
  colour.clear();
  EXPECT_EQ(dog.name, "Burek");
  EXPECT_EQ(dog.kolor, "rudy");
}

TEST(DogTest, StoresEmptyTextAndZeroUnchanged) {
  const Dog dog{"", "", 0};
  EXPECT_EQ(dog.name, "");
  EXPECT_EQ(dog.kolor, "");
  EXPECT_EQ(dog.zycie, 0);
}

TEST(DogTest, BarkPrintsOneFlushedLine) {
  const Dog dog{"Fafikorek", "czarno zielony", 12};
  const CoutRecorder out;
  dog.bark();
  EXPECT_EQ(out.text(), "WOOF! WOOF!\n");
  EXPECT_EQ(out.flushes(), Flushes{12});
}

TEST(AnimalTest, DoNothingPrintsThirtyThreeDotsAsOneFlushedLine) {
  const Animal animal{"Mruczek", 3};
  const Dog dog{"Fafikorek", "czarno zielony", 12};
  const CoutRecorder out;
  animal.do_nothing();
  dog.do_nothing();
  const std::string dots(33, '.');
  EXPECT_EQ(out.text(), dots + "\n" + dots + "\n");
  EXPECT_EQ(out.flushes(), (Flushes{34, 68}));
}

TEST(DogTest, PrintingLeavesEveryMemberAsItWas) {
  Dog dog{"Fafikorek", "czarno zielony", 12};
  {
    const CoutRecorder out;
    for (int i = 0; i < 3; ++i) {
      dog.bark();
      dog.do_nothing();
    }
  }
  EXPECT_EQ(dog.name, "Fafikorek");
  EXPECT_EQ(dog.kolor, "czarno zielony");
  EXPECT_EQ(dog.zycie, 12);
}

}  // namespace
