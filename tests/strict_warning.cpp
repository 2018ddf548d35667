// Compiles, with one warning: a build that treats warnings as errors must
// refuse it, for that warning, on its line. MSVC's /WX reports the first
// warning as error C2220, with the warning itself, C4189, beside it.
// Refused by GCC: unused variable
// Refused by Clang: unused variable
// Refused by MSVC: C2220
int main() {
  int unused = 0;  // refused:
}
