#pragma once

#include <chrono>
#include <functional>
#include <vector>

// Times one piece of work on the monotonic clock.
class Stopwatch {
public:
    Stopwatch()
        : m_start(std::chrono::steady_clock::now())
    {
    }
    double ElapsedMs() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

// The median time of each piece of work over `runs` rounds. Each function does one run and
// returns the milliseconds it measured itself (so setting up and tearing down a run stay
// outside). Every round runs each piece once, starting one further along each time, so a
// slow stretch of the machine or a warm cache favours none of them.
std::vector<double> MedianRuns(int runs, const std::vector<std::function<double()>>& work);

// Our code and its floor, measured side by side as MedianRuns does.
struct MedianTimes {
    double ours = 0;
    double floor = 0;
};
MedianTimes CompareRuns(int runs, const std::function<double()>& ours, const std::function<double()>& floor);

// Times `work` alone and returns the milliseconds.
double TimeMs(const std::function<void()>& work);
