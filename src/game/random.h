// The program's one source of random numbers: a seeded minimal-standard generator. The level sets
// are the boards this generator deals from their seeds, so its sequence must never change.
#pragma once

// Restarts the sequence from seed n (its top bit is ignored; 0 and 2^31 - 1 become 4660).
void SeedRnd(int n);
// A whole number from lo to hi, both included; the bounds may come in either order.
int Rand(int lo, int hi);
// A real number from the smaller bound up to (not including) the larger one.
double Rnd(double lo, double hi);
