#include "platform/clock.h"
#include "platform/input.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

void (*simulatedSleepHook)(int ms) = nullptr;

namespace {

bool simulated = false;
int simulatedMs = SimulatedClockStart;
int simulatedStartMs = SimulatedClockStart;
std::time_t simulatedStartTime = 0; // seconds, read as UTC so no time zone shifts the fixed date

const char* const monthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::chrono::steady_clock::time_point RealStart() {
    static const auto start = std::chrono::steady_clock::now();
    return start;
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

DateTime FromTm(const std::tm& t) {
    DateTime when;
    when.year = t.tm_year + 1900;
    when.month = t.tm_mon + 1;
    when.day = t.tm_mday;
    when.hour = t.tm_hour;
    when.minute = t.tm_min;
    when.second = t.tm_sec;
    return when;
}

} // namespace

int MilliSecs() {
    if (simulated) return simulatedMs;
    auto elapsed = std::chrono::steady_clock::now() - RealStart();
    // The game's clock is an int of milliseconds; it starts well above zero like a machine's
    // uptime.
    return SimulatedClockStart +
           static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Delay(int ms) {
    if (ms < 1) ms = 1;
    if (simulated) {
        simulatedMs += ms;
        if (simulatedSleepHook) simulatedSleepHook(ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    PumpEvents();
}

DateTime CurrentDateTime() {
    std::tm t{};
    if (simulated) {
        std::time_t now = simulatedStartTime + (simulatedMs - simulatedStartMs) / 1000;
        gmtime_r(&now, &t);
    } else {
        std::time_t now = std::time(nullptr);
        localtime_r(&now, &t);
    }
    return FromTm(t);
}

std::string FormatDateText(const DateTime& when) {
    char text[32];
    int month = when.month >= 1 && when.month <= 12 ? when.month : 1;
    std::snprintf(text, sizeof text, "%02d %s %04d", when.day % 100, monthNames[month - 1],
                  when.year % 10000);
    return text;
}

std::string FormatTimeText(const DateTime& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour % 100, when.minute % 100,
                  when.second % 100);
    return text;
}

std::string CurrentDateText() {
    return FormatDateText(CurrentDateTime());
}
std::string CurrentTimeText() {
    return FormatTimeText(CurrentDateTime());
}

bool ParseDateTime(const std::string& text, DateTime& when) {
    DateTime parsed;
    char tail = 0;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &parsed.year, &parsed.month,
                    &parsed.day, &parsed.hour, &parsed.minute, &parsed.second, &tail) != 6)
        return false;
    if (text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return false;
    if (parsed.year < 1970 || parsed.year > 9999 || parsed.month < 1 || parsed.month > 12)
        return false;
    if (parsed.day < 1 || parsed.day > DaysInMonth(parsed.year, parsed.month)) return false;
    if (parsed.hour > 23 || parsed.minute > 59 || parsed.second > 59) return false;
    if (parsed.hour < 0 || parsed.minute < 0 || parsed.second < 0) return false;
    when = parsed;
    return true;
}

void UseSimulatedClock(const DateTime& start, int startMs) {
    std::tm t{};
    t.tm_year = start.year - 1900;
    t.tm_mon = start.month - 1;
    t.tm_mday = start.day;
    t.tm_hour = start.hour;
    t.tm_min = start.minute;
    t.tm_sec = start.second;
    simulatedStartTime = timegm(&t);
    simulatedStartMs = startMs;
    simulatedMs = startMs;
    simulated = true;
}

bool ClockIsSimulated() {
    return simulated;
}

void AdvanceSimulatedClock(int ms) {
    if (simulated && ms > 0) simulatedMs += ms;
}
