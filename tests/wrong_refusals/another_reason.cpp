// Refused on its marked line, first for its reason, then for another: the
// refused-example check must fail it, not pass it on its first error.
// Refused by GCC: was not declared in this scope
// Refused by Clang: use of undeclared identifier
// Refused by MSVC: C2065
int marked(int first = no_such_name, int second = "text");  // refused:
