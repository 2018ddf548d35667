// A refused example that compiles: the refused-example check must fail it.
// Refused by GCC: was not declared in this scope
// Refused by Clang: use of undeclared identifier
// Refused by MSVC: C2065
int compiles = 0;  // refused:
