#include "Stopwatch.h"

#include <algorithm>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

std::vector<double> MedianRuns(int runs, const std::vector<std::function<double()>>& work)
{
    std::vector<std::vector<double>> times(work.size());
    for (int run = 0; run < std::max(runs, 1); ++run) {
        for (size_t i = 0; i < work.size(); ++i) {
            const size_t piece = (size_t(run) + i) % work.size();
            times[piece].push_back(work[piece]());
        }
    }
    std::vector<double> medians;
    for (const std::vector<double>& pieceTimes : times) {
        medians.push_back(Median(pieceTimes));
    }
    return medians;
}

MedianTimes CompareRuns(int runs, const std::function<double()>& ours, const std::function<double()>& floor)
{
    const std::vector<double> medians = MedianRuns(runs, { ours, floor });
    return { medians[0], medians[1] };
}

double TimeMs(const std::function<void()>& work)
{
    const Stopwatch watch;
    work();
    return watch.ElapsedMs();
}
