#include "learning/PairBoard.h"

#include "base/Random.h"

#include <algorithm>
#include <utility>

void PairBoard::Deal(const QStringList& words, const QStringList& translations, Random& random)
{
    m_left = {};
    m_right = {};
    m_pairMissed = {};
    m_rows = std::min({ static_cast<int>(words.size()), static_cast<int>(translations.size()), kRows });
    for (int k = 1; k <= m_rows; ++k) {
        const auto row = static_cast<std::size_t>(k - 1);
        m_left.at(row) = { k, words.at(k - 1), false };
        m_right.at(row) = { k, translations.at(k - 1), false };
    }
    m_pairsLeft = m_rows;
    random.Reseed();
    // Each round exchanges two left entries, then two right ones, so the draws interleave.
    for (int round = 0; round < m_rows; ++round) {
        Mix(m_left, random);
        Mix(m_right, random);
    }
    m_pairSelection = kNothingSelected;
}

void PairBoard::Mix(Column& column, Random& random) const
{
    const int i = random.Below(m_rows);
    const int j = random.Below(m_rows);
    std::swap(column.at(static_cast<std::size_t>(i)), column.at(static_cast<std::size_t>(j)));
}

bool PairBoard::IsOpen(const Column& column, int row) const
{
    return row >= 1 && row <= m_rows && !column.at(static_cast<std::size_t>(row - 1)).found;
}

PairBoard::Click PairBoard::ClickLeft(int n)
{
    if (!IsOpen(m_left, n)) {
        return {};
    }
    if (m_pairSelection == kNothingSelected || m_pairSelection <= kRows) {
        m_pairSelection = n;
        return { Click::Outcome::Selected, 0, false };
    }
    return TryPair(n, m_pairSelection - kRows);
}

PairBoard::Click PairBoard::ClickRight(int m)
{
    if (!IsOpen(m_right, m)) {
        return {};
    }
    if (m_pairSelection == kNothingSelected || m_pairSelection > kRows) {
        m_pairSelection = kRows + m;
        return { Click::Outcome::Selected, 0, false };
    }
    return TryPair(m_pairSelection, m);
}

void PairBoard::Unmatch(int card)
{
    bool restored = false;
    for (Column* column : { &m_left, &m_right }) {
        for (int row = 0; row < m_rows; ++row) {
            Entry& entry = column->at(static_cast<std::size_t>(row));
            if (entry.card == card && entry.found) {
                entry.found = false;
                restored = true;
            }
        }
    }
    if (restored) {
        ++m_pairsLeft;
    }
}

PairBoard::Click PairBoard::TryPair(int left, int right)
{
    Entry& word = m_left.at(static_cast<std::size_t>(left - 1));
    Entry& translation = m_right.at(static_cast<std::size_t>(right - 1));
    m_pairSelection = kNothingSelected;
    bool& missed = m_pairMissed.at(static_cast<std::size_t>(word.card - 1));
    if (word.card != translation.card) {
        const bool firstMiss = !missed;
        missed = true;
        return { Click::Outcome::Missed, word.card, firstMiss };
    }
    word.found = true;
    translation.found = true;
    --m_pairsLeft;
    return { Click::Outcome::Matched, word.card, !missed };
}
