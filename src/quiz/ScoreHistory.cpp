#include "quiz/ScoreHistory.h"

#include <charconv>
#include <cmath>

std::string FormatSec(int seconds)
{
    if (seconds < 60)
        return std::to_string(seconds) + " sec.";
    // The shortest decimal form of the minutes, cut to three characters:
    // 2 min., 1.5 min., 2.0 min. (2.0833...), 10. min. (10.5).
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds / 60.0);
    std::string minutes(buffer, result.ptr);
    return minutes.substr(0, 3) + " min.";
}

long roundHalfUp(double value)
{
    return static_cast<long>(std::floor(value + 0.5));
}

std::string percentText(double value)
{
    return std::to_string(roundHalfUp(value)) + "%";
}

ScoreHistory::Entry ScoreHistory::record(int ticks, int numInts, double secondsSinceNew)
{
    const int n = Counter1;
    Entry entry;
    Scores[n] = static_cast<double>(ticks) / (2.0 * numInts) * 100.0;
    entry.score = Scores[n];

    double sum = 0;
    for (int j = 0; j <= n; ++j)
        sum += Scores[j];
    AverageScores[n] = sum / (n + 1);
    entry.averageScore = AverageScores[n];

    if (Scores[n] == 100.0) {
        entry.full = true;
        entry.seconds = secondsSinceNew;
        TimeTo100s[n] = 600.0 - secondsSinceNew;
    } else {
        TimeTo100s[n] = NoTime;
    }

    int k = 0;
    double total = 0;
    for (int j = 0; j <= n; ++j) {
        if (TimeTo100s[j] < 600.0) {
            total += 600.0 - TimeTo100s[j];
            ++k;
        }
    }
    if (k > 0) {
        entry.hasAverageTime = true;
        entry.averageSeconds = total / k;
        Average100s[n] = 600.0 - total / k;
    } else {
        Average100s[n] = NoTime;
    }

    Counter1 = n < LastIndex ? n + 1 : 0;
    return entry;
}
