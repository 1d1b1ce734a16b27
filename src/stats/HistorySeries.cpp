#include "stats/HistorySeries.h"

#include <algorithm>
#include <limits>

namespace {

HistoryDay WithoutNegatives(const HistoryDay& day)
{
    return { day.Day, std::max(day.Learned, 0), std::max(day.RightAnswers, 0), std::max(day.WrongAnswers, 0),
        std::max(day.Sessions, 0) };
}

bool HasLearning(const HistoryDay& day)
{
    return day.Sessions > 0 || day.Learned > 0 || day.RightAnswers > 0 || day.WrongAnswers > 0;
}

} // namespace

HistorySeries::HistorySeries(const std::vector<HistoryDay>& history, const QDate& today, int days)
{
    if (!today.isValid()) {
        return; // no day to end a period on: an empty chart, no streak
    }
    const QDate first = today.addDays(1 - std::max(days, 1));
    for (QDate day = first; day <= today; day = day.addDays(1)) {
        m_days.push_back(HistoryDay { day });
    }
    for (const HistoryDay& recorded : history) {
        if (!recorded.Day.isValid() || recorded.Day < first || recorded.Day > today) {
            continue;
        }
        HistoryDay& day = m_days[size_t(first.daysTo(recorded.Day))];
        day = WithoutNegatives(recorded);
        m_maxLearned = std::max(m_maxLearned, day.Learned);
        // Summed wide: two counts near the top of int must not wrap into a small bar.
        m_maxAnswers = int(std::min<qint64>(std::max<qint64>(m_maxAnswers, qint64(day.RightAnswers) + day.WrongAnswers),
            std::numeric_limits<int>::max()));
        m_hasActivity = m_hasActivity || HasLearning(day);
    }
    m_streak = ComputeStreak(history, today);
}

int HistorySeries::ComputeStreak(const std::vector<HistoryDay>& history, const QDate& today)
{
    std::vector<qint64> learningDays;
    for (const HistoryDay& day : history) {
        if (day.Day.isValid() && day.Day <= today && HasLearning(WithoutNegatives(day))) {
            learningDays.push_back(day.Day.toJulianDay());
        }
    }
    std::sort(learningDays.begin(), learningDays.end());
    learningDays.erase(std::unique(learningDays.begin(), learningDays.end()), learningDays.end());
    if (learningDays.empty() || learningDays.back() < today.toJulianDay() - 1) {
        return 0;
    }
    // Back from the latest day, as long as each day follows the one before it.
    int streak = 1;
    for (size_t i = learningDays.size() - 1; i > 0 && learningDays[i - 1] == learningDays[i] - 1; --i) {
        ++streak;
    }
    return streak;
}
