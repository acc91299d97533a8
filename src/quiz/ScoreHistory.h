#pragma once

#include <array>
#include <string>

// Whole seconds as the quiz shows them: "45 sec.", "1.5 min.", "2.0 min.".
std::string FormatSec(int seconds);
// A percentage shown rounded to a whole number, halves upward ("88%").
std::string percentText(double value);
// Rounds halves upward (87.5 -> 88, 62.5 -> 63).
long roundHalfUp(double value);

// The test score history: one entry per Check. A time of t seconds is stored
// as 600 - t; 800 marks an entry without a time.
struct ScoreHistory
{
    static constexpr int Size = 1001;
    static constexpr int LastIndex = 990; // after it the counter wraps to 0
    static constexpr double NoTime = 800;

    std::array<double, Size> Scores{};
    std::array<double, Size> TimeTo100s{};
    std::array<double, Size> AverageScores{};
    std::array<double, Size> Average100s{};
    int Counter1 = 0; // index of the next entry

    struct Entry
    {
        double score = 0;        // percent right
        double averageScore = 0; // mean of this pass's scores
        bool full = false;       // reached 100 %
        double seconds = 0;      // time to 100 %, when full
        bool hasAverageTime = false;
        double averageSeconds = 0;
    };

    // Writes the entry of one Check: ticks of 2 x numInts answers, and the
    // seconds since the row was made.
    Entry record(int ticks, int numInts, double secondsSinceNew);
};
