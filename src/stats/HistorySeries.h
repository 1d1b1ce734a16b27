#pragma once

#include "store/HistoryDay.h"

#include <QDate>
#include <vector>

// What the statistics window's chart shows of the history of learning: the figures of each
// day of a period that ends today, oldest first, with a zero day wherever the history has
// none; the largest day of each series, which tops the chart's scale; and the streak.
//
// The streak is the number of days in a row with learning that end today or, while today
// has none yet, yesterday: a learner who studies every evening still sees the streak in the
// morning, and loses it only once a whole day has passed without a session. A day counts
// when a session began on it, or a card was learned or a question answered on it, so a
// session that runs past midnight counts for both days. Days after today (left by a clock
// that was later set back, or by a change of time zone) are in no period and break no
// streak. Figures below zero, which only a damaged file holds, count as zero.
class HistorySeries {
public:
    // The periods the statistics window offers, in days.
    static constexpr int kShortPeriod = 30;
    static constexpr int kLongPeriod = 90;

    // `history` in any order, each day at most once (as DictionaryStore::History gives it).
    HistorySeries(const std::vector<HistoryDay>& history, const QDate& today, int days);

    // One entry per day of the period, from `today - days + 1` to `today`.
    const std::vector<HistoryDay>& Days() const { return m_days; }
    int MaxLearned() const { return m_maxLearned; }
    // The most answers, right and wrong together, of one day.
    int MaxAnswers() const { return m_maxAnswers; }
    // Whether any day of the period has a figure at all; a period without one has no chart.
    bool HasActivity() const { return m_hasActivity; }
    int Streak() const { return m_streak; }

private:
    static int ComputeStreak(const std::vector<HistoryDay>& history, const QDate& today);

    std::vector<HistoryDay> m_days;
    int m_maxLearned = 0;
    int m_maxAnswers = 0;
    bool m_hasActivity = false;
    int m_streak = 0;
};
