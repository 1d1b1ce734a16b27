#include "store/HeaderOrder.h"

#include "store/SqliteConnection.h"

#include <algorithm>
#include <numeric>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace {

// Registered as SQLITE_UTF16_ALIGNED: the texts of a UTF-16 file lie in its pages at any
// address, and the engine copies them to an even one only when asked to.
int CompareUtf16(void* context, int sizeA, const void* a, int sizeB, const void* b)
{
    const auto* order = static_cast<const HeaderOrder*>(context);
    return order->Compare(QStringView(static_cast<const char16_t*>(a), sizeA / 2),
        QStringView(static_cast<const char16_t*>(b), sizeB / 2));
}

} // namespace

HeaderOrder::HeaderOrder()
    // English uses the root collation of Unicode: every script in its own alphabetical order.
    : m_collator(QLocale(QLocale::English, QLocale::UnitedStates))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
    std::array<char16_t, kLastAscii - kFirstAscii + 1> characters {};
    std::iota(characters.begin(), characters.end(), kFirstAscii);
    const auto compare
        = [this](char16_t a, char16_t b) { return m_collator.compare(QStringView(&a, 1), QStringView(&b, 1)); };
    std::stable_sort(characters.begin(), characters.end(), [&](char16_t a, char16_t b) { return compare(a, b) < 0; });
    unsigned char rank = 0;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (i == 0 || compare(characters[i - 1], characters[i]) != 0) {
            ++rank;
        }
        m_rank[characters[i] - kFirstAscii] = rank;
    }
}

bool HeaderOrder::IsAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= kFirstAscii && c <= kLastAscii; });
}

int HeaderOrder::CompareAscii(QStringView a, QStringView b) const
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int difference = m_rank[a[i].unicode() - kFirstAscii] - m_rank[b[i].unicode() - kFirstAscii];
        if (difference != 0) {
            return difference;
        }
    }
    return int(a.size() > b.size()) - int(a.size() < b.size());
}

int HeaderOrder::Compare(QStringView a, QStringView b) const
{
    if (IsAscii(a) && IsAscii(b)) {
        return CompareAscii(a, b);
    }
    return m_collator.compare(a, b);
}

std::vector<int> HeaderOrder::SortAscii(const std::vector<QString>& headers, const std::vector<qint64>& ids) const
{
    // Every key is the header's ranks, one byte each, in one buffer.
    std::string keys;
    std::vector<std::pair<quint32, quint32>> spans(headers.size());
    for (size_t row = 0; row < headers.size(); ++row) {
        spans[row] = { quint32(keys.size()), quint32(headers[row].size()) };
        for (const QChar c : headers[row]) {
            keys.push_back(char(m_rank[c.unicode() - kFirstAscii]));
        }
    }
    std::vector<int> rows(headers.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(), [&](int a, int b) {
        const std::string_view keyA(keys.data() + spans[size_t(a)].first, spans[size_t(a)].second);
        const std::string_view keyB(keys.data() + spans[size_t(b)].first, spans[size_t(b)].second);
        const int order = keyA.compare(keyB);
        return order != 0 ? order < 0 : ids[size_t(a)] < ids[size_t(b)];
    });
    return rows;
}

std::vector<int> HeaderOrder::Sort(
    int count, const std::function<QString(int)>& header, const std::function<qint64(int)>& id) const
{
    std::vector<qint64> ids(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        ids[size_t(row)] = id(row);
    }
    {
        std::vector<QString> headers;
        headers.reserve(size_t(count));
        for (int row = 0; row < count && (row == 0 || IsAscii(headers.back())); ++row) {
            headers.push_back(header(row));
        }
        if (headers.size() == size_t(count) && (count == 0 || IsAscii(headers.back()))) {
            return SortAscii(headers, ids);
        }
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(count));
    for (int row = 0; row < count; ++row) {
        keys.push_back(m_collator.sortKey(header(row)));
    }
    std::vector<int> rows(static_cast<size_t>(count));
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int order = keys[size_t(a)].compare(keys[size_t(b)]);
        if (order != 0) {
            return order < 0;
        }
        return ids[size_t(a)] < ids[size_t(b)];
    });
    return rows;
}

void HeaderOrder::Register(SqliteConnection& connection) const
{
    const int code = sqlite3_create_collation_v2(
        connection.Handle(), kCollation, SQLITE_UTF16_ALIGNED, const_cast<HeaderOrder*>(this), &CompareUtf16, nullptr);
    if (code != SQLITE_OK) {
        connection.FailTo(Purpose("card_order", "set up the card order for"), code);
    }
}
