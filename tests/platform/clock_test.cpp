#include "platform/clock.h"

#include <gtest/gtest.h>

TEST(Clock, SimulatedClockAdvancesOnlyWhenSleeping) {
    DateTime start;
    ASSERT_TRUE(ParseDateTime("2011-12-09 10:34:56", start));
    UseSimulatedClock(start);
    int before = MilliSecs();
    EXPECT_EQ(MilliSecs(), before);
    Delay(0); // every sleep lasts at least 1 ms
    EXPECT_EQ(MilliSecs(), before + 1);
    EXPECT_EQ(CurrentDateText(), "09 Dec 2011");
    EXPECT_EQ(CurrentTimeText(), "10:34:56");
    Delay(3999);
    EXPECT_EQ(CurrentTimeText(), "10:35:00");
}

TEST(Clock, DateFollowsAcrossMidnightAndYearEnd) {
    DateTime start;
    ASSERT_TRUE(ParseDateTime("2011-12-31 23:59:59", start));
    UseSimulatedClock(start);
    Delay(1000);
    EXPECT_EQ(CurrentDateText(), "01 Jan 2012");
    EXPECT_EQ(CurrentTimeText(), "00:00:00");
}

TEST(Clock, SleepHookSeesEverySimulatedSleep) {
    static int slept = 0;
    slept = 0;
    UseSimulatedClock(DateTime{});
    simulatedSleepHook = [](int ms) { slept += ms; };
    Delay(5);
    Delay(16);
    simulatedSleepHook = nullptr;
    EXPECT_EQ(slept, 21);
}

TEST(Clock, ParseDateTimeRejectsMalformedTexts) {
    const char* bad[] = {"",
                         "2011-12-09",
                         "2011-13-09 10:00:00",
                         "2011-02-30 10:00:00",
                         "2011-12-09 24:00:00",
                         "2011/12/09 10:00:00",
                         "2011-12-09 10:00:00x"};
    DateTime when;
    for (const char* text : bad) EXPECT_FALSE(ParseDateTime(text, when)) << text;
    EXPECT_TRUE(ParseDateTime("2012-02-29 00:00:00", when));
    EXPECT_EQ(when.day, 29);
}
