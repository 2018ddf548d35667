// What virtual costs an object. GCC, Clang and MSVC give each object of a
// class with a virtual function a hidden pointer, to a table of its class's
// overrides, by which a call through a base finds the right one: the object
// grows by that pointer. (The standard does not say how; all three do this.)
#include <iostream>
#include <string>

class PlainBell {
 public:
  void ring() const { std::cout << text << '\n'; }
  std::string text = "ding";
};

class VirtualBell {
 public:
  virtual ~VirtualBell() = default;
  virtual void ring() const { std::cout << text << '\n'; }
  std::string text = "ding";
};

int main() {
  // A std::string is a whole number of pointers in size everywhere this is
  // built, so no padding comes in. With only an int, 4 bytes, a 64-bit
  // VirtualBell would be 16: 8 for the pointer, 4 for the int and 4 of padding.
  std::cout << std::boolalpha << "sizeof(VirtualBell) - sizeof(PlainBell) == sizeof(void*): "
            << (sizeof(VirtualBell) - sizeof(PlainBell) == sizeof(void*)) << '\n';
}
// Output:
// sizeof(VirtualBell) - sizeof(PlainBell) == sizeof(void*): true
