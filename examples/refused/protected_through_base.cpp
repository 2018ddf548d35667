// Lynx's functions may use the protected lives of Feline, its base, in a Lynx
// (their own object, or any other through a Lynx&), not through a Feline&: that
// may refer to a Feline that is no Lynx, whose lives are not Lynx's to touch.
// Refused by GCC: 'int Feline::lives' is protected within this context
// Refused by Clang: 'lives' is a protected member of 'Feline'
// Refused by MSVC: C2248
#include <iostream>

class Feline {
 protected:
  int lives = 9;
};

class Lynx : public Feline {
 public:
  int own_lives() const { return lives; }                             // allowed: its own object
  static int lives_of(const Feline& feline) { return feline.lives; }  // refused: through a Feline&
};

int main() {
  const Lynx lynx;
  std::cout << lynx.own_lives() << ' ' << Lynx::lives_of(lynx) << '\n';
}
