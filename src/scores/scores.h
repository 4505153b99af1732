// The score record of one finished game, and the list of every result, newest first.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Scores {
    int64_t Score = 0;
    int64_t Timestamp = 0; // seconds in the 31-day-month calendar of date_text.h
    int Badges = 0;        // bit n - 1 set: badge n earned
    std::string Name;
    // Entries 1-30: cells burst by cell value; entry 30 equal to 1 marks a completed game.
    std::array<int, 31> Best{};
    int Level = 0;
    int GameMode = 0;
    int GameFlags = 0; // the level set
    int Quit = 0;      // 1 when the game was left through the pause menu

    Scores() = default;
    Scores(const Scores&) = default;
    Scores& operator=(const Scores&) = default;
    ~Scores();

    // Negative when this record sorts before other: a newer record is smaller. Anything that is
    // not a record (null) compares as 1.
    int Compare(const Scores* other) const;
};

using ScoresRef = std::shared_ptr<Scores>;

// Every result of every table key, newest first; records with equal timestamps keep their order.
// A vector: results are appended and sorted (stable merge sort), and pruning removes in one
// compacting pass, so nothing needs a linked list. It never holds a null reference.
extern std::vector<ScoresRef> ScoreList;

// The current player's name; the score loader takes it from the newest record of the file.
extern std::string playerName;

// Stable sort of ScoreList, ascending by Compare (newest first).
void SortScoreList();

// Files the result of a game: appends the record and sorts, which puts it ahead of older ones.
// A null reference is ignored.
void FileResult(const ScoresRef& record);
// Set by FileResult, cleared when the list is saved or loaded: the list holds results that the
// score file does not have yet.
extern bool scoresUnsaved;
