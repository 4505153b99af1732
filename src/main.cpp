#include <cstdio>

int main() {
    std::fprintf(stderr, "bodger-thump: nothing to run yet\n");
    return 1;
}
