// The order of construction: the base part first, then the members in the
// order the class declares them, then the constructor's body. Destruction
// runs the same steps in reverse.
#include <iostream>
#include <string>
#include <utility>

// Says when it is built and destroyed. Its copy and move operations are
// deleted (= delete: a use of one does not compile), so each line is one
// object; explicit keeps a std::string from turning into a Noisy unasked.
class Noisy {
 public:
  explicit Noisy(std::string w) : what{std::move(w)} { std::cout << "build " << what << '\n'; }
  ~Noisy() { std::cout << "destroy " << what << '\n'; }
  Noisy(const Noisy&) = delete;
  Noisy& operator=(const Noisy&) = delete;
  Noisy(Noisy&&) = delete;
  Noisy& operator=(Noisy&&) = delete;

 private:
  std::string what;
};

class Hound : public Noisy {
 public:
  // The declarations below fix the order, whatever the order of this list
  // (with -Wall, on in this build, GCC and Clang warn when the two differ).
  Hound() : Noisy{"base part"}, collar{"collar"}, tag{"tag"} { std::cout << "Hound's body\n"; }

 private:
  Noisy collar;
  Noisy tag;
};

int main() { const Hound hound; }
// Output:
// build base part
// build collar
// build tag
// Hound's body
// destroy tag
// destroy collar
// destroy base part
