#include "scores/date_text.h"

#include <cctype>

#include "platform/clock.h"
#include "scores/number_text.h"

namespace {

// Characters first..first+count-1 (from 1) of text; fewer, or none, near its end.
std::string Characters(const std::string& text, size_t first, size_t count) {
    if (first > text.size()) return "";
    return text.substr(first - 1, count);
}

int MonthNumber(const std::string& name) {
    static const char* const names[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 0; m < 12; m++)
        if (name == names[m]) return m + 1;
    return 0;
}

// Division and remainder rounded down, so that a damaged negative timestamp still gives fields in
// their ranges.
int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
int64_t FloorMod(int64_t a, int64_t b) {
    int64_t r = a % b;
    return r < 0 ? r + b : r;
}

std::string Padded(int64_t value, size_t width) {
    std::string text = std::string(width, '0') + std::to_string(value);
    return text.substr(text.size() - width);
}

} // namespace

int64_t MakeTimestamp(const std::string& dateText) {
    std::string date = dateText, time;
    if (date.empty()) {
        // One reading of the clock for both texts, so a result filed at midnight cannot take
        // the old day with the new time.
        DateTime now = CurrentDateTime();
        date = FormatDateText(now);
        time = FormatTimeText(now);
    } else {
        time = CurrentTimeText();
    }
    for (char& c : date) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    int64_t year = AbsTextToInt(Characters(date, 8, 4));
    int64_t day = AbsTextToInt(Characters(date, 1, 2));
    int64_t month = MonthNumber(Characters(date, 4, 3));
    int64_t hour = AbsTextToInt(Characters(time, 1, 2));
    int64_t minute = AbsTextToInt(Characters(time, 4, 2));
    int64_t second = AbsTextToInt(Characters(time, 7, 2));
    return year * SecondsPerYear + month * SecondsPerMonth + day * SecondsPerDay + hour * 3600 +
           minute * 60 + second;
}

std::string DateText(int64_t timestamp) {
    // Days are counted from day 1 of month 1 of year 0.
    int64_t v = FloorDiv(timestamp, SecondsPerDay) - 32;
    int64_t day = FloorMod(v, 31) + 1;
    int64_t month = FloorMod(FloorDiv(v, 31), 12) + 1;
    int64_t year = FloorDiv(v, 372);
    return Padded(day, 2) + "-" + Padded(month, 2) + "-" + Padded(year, 4);
}

std::string TimeText(int64_t timestamp) {
    int64_t s = FloorMod(timestamp, 60);
    int64_t m = FloorMod(FloorDiv(timestamp, 60), 60);
    int64_t h = FloorMod(FloorDiv(timestamp, 3600), 24);
    return Padded(h, 2) + ":" + Padded(m, 2) + ":" + Padded(s, 2);
}
