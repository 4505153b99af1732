// Dealing boards: the start of every game, and --print-board.
#include <benchmark/benchmark.h>

#include "game/board.h"

static void BM_DealAllBoards(benchmark::State& state) {
    for (auto _ : state) {
        for (int set = 0; set < 5; set++) {
            for (int mode = 0; mode < 5; mode++) {
                GameMode = mode;
                GameFlags = set;
                DealBoard();
                benchmark::DoNotOptimize(board.data());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 25);
}
BENCHMARK(BM_DealAllBoards)->Unit(benchmark::kMillisecond);

static void BM_DealOneBoard(benchmark::State& state) {
    GameMode = static_cast<int>(state.range(0));
    GameFlags = 0;
    for (auto _ : state) {
        DealBoard();
        benchmark::DoNotOptimize(board.data());
    }
}
BENCHMARK(BM_DealOneBoard)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
