#include "core/WriteDelay.h"
#include <gtest/gtest.h>
#include <vector>

// Each change restarts the quiet wait, but never beyond the ceiling counted
// from the first change not yet written; the tick may wrap around meanwhile.
TEST(WriteDelay, TheQuietWaitRestartsUpToTheCeiling)
{
    const struct {
        const char* what;
        unsigned start;
        std::vector<unsigned> changes;  // ms after start
        unsigned lastWait;
    } rows[] = {
        { "one change", 1000, { 0 }, 2000 },
        { "changes that stop", 1000, { 0, 500, 1200 }, 2000 },
        { "a change every second", 1000, { 0, 1000, 2000, 3000, 4000 }, 1000 },
        { "a change every half second", 1000, { 0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500 }, 500 },
        { "past the ceiling", 1000, { 0, 4000, 5000, 6000 }, 0 },
        { "across the tick's wrap", 0xFFFFF000u, { 0, 3000, 4500 }, 500 },
    };
    for (const auto& row : rows) {
        WriteDelay delay(2000, 5000);
        unsigned wait = 0;
        for (unsigned at : row.changes)
            wait = delay.NoteChange(row.start + at);
        EXPECT_EQ(wait, row.lastWait) << row.what;
    }
    WriteDelay delay(2000, 5000);
    delay.NoteChange(0);
    delay.NoteChange(4000);
    delay.Written();
    EXPECT_EQ(delay.NoteChange(4500), 2000u) << "a write starts the next wait afresh";
}
