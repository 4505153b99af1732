#include "scores/date_text.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

void SetClock(const char* when) {
    DateTime start;
    ASSERT_TRUE(ParseDateTime(when, start)) << when;
    UseSimulatedClock(start);
}

} // namespace

TEST(DateText, TimestampsOfKnownMoments) {
    struct Case {
        const char* clock;    // the simulated clock (the time of day comes from it)
        const char* dateText; // given to MakeTimestamp
        int64_t timestamp;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {"2011-03-07 14:05:09", "07 Mar 2011", 64643839509, "07-03-2011", "14:05:09"},
        {"2011-03-07 14:05:09", "07 mar 2011", 64643839509, "07-03-2011", "14:05:09"},
        {"2011-03-07 14:05:09", "", 64643839509, "07-03-2011", "14:05:09"},
        {"2011-12-31 23:59:59", "",
         2011 * SecondsPerYear + 12 * SecondsPerMonth + 31 * 86400 + 86399, "31-12-2011",
         "23:59:59"},
        {"2012-01-01 00:00:00", "", 2012 * SecondsPerYear + SecondsPerMonth + 86400, "01-01-2012",
         "00:00:00"},
        // The date text is used but the time of day is always the clock's.
        {"2020-06-15 08:09:10", "01 Jan 1999",
         1999 * SecondsPerYear + SecondsPerMonth + 86400 + 29350, "01-01-1999", "08:09:10"},
    };
    for (const Case& c : cases) {
        SetClock(c.clock);
        int64_t t = MakeTimestamp(c.dateText);
        EXPECT_EQ(t, c.timestamp) << c.clock << " / " << c.dateText;
        EXPECT_EQ(DateText(t), c.date) << t;
        EXPECT_EQ(TimeText(t), c.time) << t;
    }
}

TEST(DateText, AnUnknownMonthCountsZero) {
    SetClock("2011-03-07 14:05:09");
    const int64_t base = 2011 * SecondsPerYear + 7 * 86400 + 50709;
    for (const char* text : {"07 Xyz 2011", "07 ### 2011", "07 MA. 2011"})
        EXPECT_EQ(MakeTimestamp(text), base) << text;
    EXPECT_EQ(MakeTimestamp("07 MAR 2011"), base + 3 * SecondsPerMonth);
    // Short or broken texts read what they can and never fail.
    EXPECT_EQ(MakeTimestamp("7"), 7 * 86400 + 50709);
    EXPECT_EQ(MakeTimestamp("xx"), 50709);
}

TEST(DateText, EveryDateAndTimeReadsBack) {
    for (int month = 1; month <= 12; month++)
        for (int day : {1, 9, 10, 28, 31})
            for (int year : {1999, 2011, 2038}) {
                DateTime when;
                when.year = year;
                when.month = month;
                when.day = day;
                when.hour = (month * 5) % 24;
                when.minute = (day * 7) % 60;
                when.second = (year * 3) % 60;
                UseSimulatedClock(when);
                int64_t t = MakeTimestamp(FormatDateText(when));
                char date[16], time[16];
                std::snprintf(date, sizeof date, "%02d-%02d-%04d", day, month, year);
                std::snprintf(time, sizeof time, "%02d:%02d:%02d", when.hour, when.minute,
                              when.second);
                EXPECT_EQ(DateText(t), date);
                EXPECT_EQ(TimeText(t), time);
            }
}

TEST(DateText, LaterMomentsGiveLargerTimestamps) {
    // Seconds across midnight, a month end, a leap day and a year end.
    for (const char* start : {"2011-12-31 23:59:57", "2011-02-28 23:59:58", "2012-02-28 23:59:58",
                              "2011-04-30 23:59:59"}) {
        SetClock(start);
        int64_t previous = MakeTimestamp("");
        for (int step = 0; step < 5; step++) {
            Delay(1000);
            int64_t next = MakeTimestamp("");
            EXPECT_GT(next, previous) << start << " + " << step + 1 << " s";
            previous = next;
        }
    }
}

TEST(DateText, DamagedTimestampsStillGiveFieldsInRange) {
    EXPECT_EQ(TimeText(-1), "23:59:59");
    EXPECT_EQ(TimeText(0), "00:00:00");
    for (int64_t t : {int64_t{-1}, int64_t{0}, INT64_MIN, INT64_MAX}) {
        std::string date = DateText(t), time = TimeText(t);
        ASSERT_EQ(date.size(), 10u) << t;
        ASSERT_EQ(time.size(), 8u) << t;
        int day = std::stoi(date.substr(0, 2)), month = std::stoi(date.substr(3, 2));
        EXPECT_TRUE(day >= 1 && day <= 31) << date;
        EXPECT_TRUE(month >= 1 && month <= 12) << date;
        EXPECT_LT(std::stoi(time.substr(0, 2)), 24) << time;
    }
}
