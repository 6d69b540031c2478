#include "core/PopupRules.h"
#include <gtest/gtest.h>
#include <string>

TEST(PopupRules, TheUserAsksForAClicksFirstWindowAShiftClickOrALetThroughOne)
{
    const struct {
        unsigned flags;
        bool asked;
    } rows[] = {
        { 0x2 | 0x4, true },    // a click's first window
        { 0x2, false },         // the rest of a loop in that click's handler
        { 0x80, true },         // shift-click, "open in new window"
        { 0x100, true },        // let through by the user
        { 0x8, true },          // the override key held
        { 0x0, false },         // a script by itself
        { 0x1 | 0x4, false },   // a page leaving
        { kNewWindowFlagsUnknown, false },
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsUserAskedWindow(row.flags), row.asked) << std::hex << row.flags;
}

// Three pop-ups within ten seconds, counted from the oldest; a refused one
// does not count, and the tick may wrap meanwhile.
TEST(PopupRules, ATabOpensThreePopupsInTenSecondsAtMost)
{
    for (const unsigned start : { 1000u, 0xFFFFF000u }) {
        PopupBudget budget;
        EXPECT_TRUE(budget.Take(start));
        EXPECT_TRUE(budget.Take(start + 100));
        EXPECT_TRUE(budget.Take(start + 200));
        EXPECT_FALSE(budget.Take(start + 300));
        EXPECT_FALSE(budget.Take(start + 9999));
        EXPECT_TRUE(budget.Take(start + 10000)) << "the oldest has passed";
        EXPECT_FALSE(budget.Take(start + 10050));
        EXPECT_TRUE(budget.Take(start + 10100));
        EXPECT_TRUE(budget.Take(start + 30000));
    }
}

// One request reported by both events, in either order, or by one alone,
// is decided once; a control that has shown it sends the newer event leaves
// the older one to it.
TEST(PopupRules, EachRequestIsDecidedOnceWhicheverEventsReportIt)
{
    using E = NewWindowEvents;
    const struct {
        const char* what;
        const char* events;  // '2' the older event, '3' the newer, from tab 1 unless 'b' (tab 2) follows
        const char* steps;   // D decide, F follow, L leave
    } rows[] = {
        { "newer events alone", "333", "DDD" },
        { "older events alone", "222", "DDD" },
        { "newer first", "3232", "DFDF" },
        { "older first", "232323", "DFLDLD" },
        { "two tabs", "3b33b", "DDD" },
    };
    for (const auto& row : rows) {
        NewWindowEvents events;
        std::string steps;
        for (const char* e = row.events; *e; ++e) {
            if (*e == 'b')
                continue;
            const unsigned source = e[1] == 'b' ? 2 : 1;
            const E::Step step = events.Arrive(source, *e == '3');
            steps += step == E::kDecide ? 'D' : step == E::kFollow ? 'F' : 'L';
            if (step == E::kDecide)
                events.Decided(100 + static_cast<unsigned>(e - row.events));
        }
        EXPECT_EQ(steps, row.steps) << row.what;
    }
    NewWindowEvents events;
    ASSERT_EQ(events.Arrive(1, true), E::kDecide);
    events.Decided(42);
    ASSERT_EQ(events.Arrive(1, false), E::kFollow);
    EXPECT_EQ(events.Followed(), 42u) << "the other event opens into the same tab";
}
