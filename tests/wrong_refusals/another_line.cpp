// Refused on its marked line, and on another: the refused-example check must
// fail it, not pass it on its first error.
// Refused by GCC: was not declared in this scope
// Refused by Clang: use of undeclared identifier
// Refused by MSVC: C2065
int marked = no_such_name;  // refused:
int another = no_such_name_either;
