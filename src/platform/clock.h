// The millisecond clock, sleeping and the local date and time.
#pragma once

#include <string>

struct DateTime {
    int year = 2011, month = 12, day = 9; // month 1-12
    int hour = 10, minute = 34, second = 56;
};

// Milliseconds since an arbitrary start, as the game's int clock.
int MilliSecs();
// Sleeps for ms milliseconds (at least 1). With the simulated clock this only advances the clock.
void Delay(int ms);

// The local date and time now.
DateTime CurrentDateTime();
// "DD Mon YYYY" (English month) and "HH:MM:SS" of the local date and time now.
std::string CurrentDateText();
std::string CurrentTimeText();
std::string FormatDateText(const DateTime& when);
std::string FormatTimeText(const DateTime& when);
// Parses "YYYY-MM-DD HH:MM:SS"; false when the text is not of that form or out of range.
bool ParseDateTime(const std::string& text, DateTime& when);

// The simulated clock of the headless backend: it starts at startMs, advances only when the
// program sleeps, and the local date and time follow it from start.
constexpr int SimulatedClockStart = 100000;
void UseSimulatedClock(const DateTime& start, int startMs = SimulatedClockStart);
bool ClockIsSimulated();
// Lets simulated time pass without the program sleeping (the headless machine's drawing time).
void AdvanceSimulatedClock(int ms);
// Called with the milliseconds of every simulated sleep (the headless backend steps its input
// script and its memory mixer from here).
extern void (*simulatedSleepHook)(int ms);
