#include <cstdio>

int main() {
    std::puts("Vemla");
    return 0;
}
