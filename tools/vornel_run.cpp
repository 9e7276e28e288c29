#include <cstdio>

int main() {
    std::puts("vornel-run: not yet built");
    return 0;
}
