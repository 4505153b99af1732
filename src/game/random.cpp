#include "game/random.h"

#include <cstdint>

namespace {
constexpr int32_t Modulus = 2147483647; // 2^31 - 1
constexpr int32_t Multiplier = 48271;
// Schrage's decomposition Modulus = Multiplier * q + r keeps every product within 32 bits.
constexpr int32_t SchrageQ = 44488;
constexpr int32_t SchrageR = 3399;
constexpr int32_t DefaultSeed = 4660;

int32_t state = DefaultSeed;

int32_t Step() {
    int32_t hi = state / SchrageQ;
    int32_t lo = state % SchrageQ;
    int32_t next = Multiplier * lo - SchrageR * hi;
    if (next < 0) next += Modulus;
    state = next;
    return state;
}

// A uniform real in [0, 1) built from two steps: bits 2-28 of the first give the high part, bits
// 3-28 of the second the fraction below it.
double Uniform() {
    int32_t first = Step() & 0x1FFFFFFC;
    int32_t second = Step() & 0x1FFFFFF8;
    return (first + second / 134217728.0) / 536870912.0;
}
} // namespace

void SeedRnd(int n) {
    state = n & Modulus;
    if (state == 0 || state == Modulus) state = DefaultSeed;
}

int Rand(int lo, int hi) {
    if (hi < lo) {
        int swap = lo;
        lo = hi;
        hi = swap;
    }
    // The span is taken in 64 bits so that extreme bounds cannot overflow; the product truncates.
    double span = static_cast<double>(static_cast<int64_t>(hi) - lo + 1);
    return static_cast<int>(lo + static_cast<int64_t>(Uniform() * span));
}

double Rnd(double lo, double hi) {
    if (hi < lo) return hi + Uniform() * (lo - hi);
    return lo + Uniform() * (hi - lo);
}
