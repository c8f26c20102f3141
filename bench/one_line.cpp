// The start-up reference: a C++ program that prints one line, linked like any C++ program
// of the project (libstdc++ and the C library), nothing else.
#include <iostream>

int main() {
  std::cout << "one line\n";
  return 0;
}
