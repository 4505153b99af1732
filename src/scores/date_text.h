// Moments of results: seconds in a calendar of twelve 31-day months, so that a later moment is
// always a larger number and the date can be read back without a real calendar.
#pragma once

#include <cstdint>
#include <string>

constexpr int64_t SecondsPerDay = 86400;
constexpr int64_t SecondsPerMonth = 31 * SecondsPerDay;  // 2678400
constexpr int64_t SecondsPerYear = 12 * SecondsPerMonth; // 32140800

// The timestamp of a date text "DD Mon YYYY" (any case; an unknown month counts 0) at the current
// time of day. An empty text means today.
int64_t MakeTimestamp(const std::string& dateText);
// "DD-MM-YYYY" of a timestamp.
std::string DateText(int64_t timestamp);
// "HH:MM:SS" of a timestamp.
std::string TimeText(int64_t timestamp);
