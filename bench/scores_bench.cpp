// Speed of the score code: the table is built every title frame, the file loads at every display
// opening, and every line of the file goes through the scrambler.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

#include "platform/files.h"
#include "scores/score_file.h"
#include "scores/score_table.h"
#include "scores/scrambler.h"

namespace fs = std::filesystem;

namespace {

ScoresRef RandomRecord(std::mt19937& random, int64_t timestamp) {
    auto record = std::make_shared<Scores>();
    record->Score = random() % 20000;
    record->Name = "Player";
    record->Timestamp = timestamp;
    record->GameMode = static_cast<int>(random() % 5);
    record->GameFlags = static_cast<int>(random() % 5);
    for (size_t i = 1; i <= 16; i++) record->Best[i] = static_cast<int>(random() % 200);
    return record;
}

// count records newest first, spread over the 25 keys of five game modes and five level sets.
void FillScoreList(int count) {
    std::mt19937 random(11);
    ScoreList.clear();
    for (int i = 0; i < count; i++) ScoreList.push_back(RandomRecord(random, 64643839509 - i * 60));
}

void BM_BuildScoreTable(benchmark::State& state) {
    FillScoreList(static_cast<int>(state.range(0)));
    int key = 0;
    for (auto _ : state) {
        BuildScoreTable(0, key % 5, (key / 5) % 5, false);
        key++;
        benchmark::DoNotOptimize(ScoreTable[1]);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildScoreTable)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The steady state of the title screen: every key already pruned to at most 75 records, the
// prune flag set while the table is on show.
void BM_BuildScoreTablePruning(benchmark::State& state) {
    FillScoreList(10000);
    for (int key = 0; key < 25; key++) BuildScoreTable(0, key % 5, key / 5, true);
    for (auto _ : state) {
        BuildScoreTable(0, 2, 3, true);
        benchmark::DoNotOptimize(ScoreTable[1]);
    }
    state.counters["records"] = static_cast<double>(ScoreList.size());
}
BENCHMARK(BM_BuildScoreTablePruning)->Unit(benchmark::kMicrosecond);

// A folder under the system's temporary folder holding a score file of 100,000 records, written
// once for every run of the benchmark.
const fs::path& LargeScoreFolder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() /
                        ("bodger-bench-scores-" + std::to_string(std::random_device()()));
        fs::create_directories(path);
        fs::path previous = fs::current_path();
        fs::current_path(path);
        FillScoreList(100000);
        SaveScores();
        ScoreList.clear();
        fs::current_path(previous);
        return path;
    }();
    return folder;
}

void BM_LoadScores(benchmark::State& state) {
    const fs::path& folder = LargeScoreFolder();
    fs::path previous = fs::current_path();
    fs::current_path(folder);
    for (auto _ : state) {
        LoadScores();
        benchmark::DoNotOptimize(ScoreList.data());
    }
    state.counters["records"] = static_cast<double>(ScoreList.size());
    state.counters["bytes"] = static_cast<double>(fs::file_size(folder / ScoreFileName));
    ScoreList.clear();
    fs::current_path(previous);
    fs::remove_all(folder);
}
BENCHMARK(BM_LoadScores)->Unit(benchmark::kMillisecond)->Iterations(5);

const std::string& TypicalRecordText() {
    static const std::string text = [] {
        std::mt19937 random(5);
        return ScoreRecordText(*RandomRecord(random, 64643839509));
    }();
    return text;
}

void BM_Scramble(benchmark::State& state) {
    const std::string& text = TypicalRecordText();
    for (auto _ : state) benchmark::DoNotOptimize(Scramble(text, ""));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Scramble);

void BM_Unscramble(benchmark::State& state) {
    const std::string scrambled = Scramble(TypicalRecordText(), "");
    for (auto _ : state) benchmark::DoNotOptimize(Unscramble(scrambled, ""));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(scrambled.size()));
}
BENCHMARK(BM_Unscramble);

} // namespace
