// The smallest C++ console program, built and linked like Shapecalc: the reference for start-up.
#include <iostream>

int main() {
    std::cout << "Hello, world!\n";
    return 0;
}
