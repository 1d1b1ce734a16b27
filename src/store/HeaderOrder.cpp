#include "store/HeaderOrder.h"

#include "store/SqliteConnection.h"

#include <algorithm>
#include <numeric>
#include <sqlite3.h>

namespace {

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
}

int HeaderOrder::Compare(QStringView a, QStringView b) const
{
    return m_collator.compare(a, b);
}

std::vector<int> HeaderOrder::Sort(
    int count, const std::function<QString(int)>& header, const std::function<qint64(int)>& id) const
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(count));
    for (int row = 0; row < count; ++row) {
        keys.push_back(m_collator.sortKey(header(row)));
    }
    std::vector<qint64> ids(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        ids[size_t(row)] = id(row);
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
        connection.Handle(), kCollation, SQLITE_UTF16, const_cast<HeaderOrder*>(this), &CompareUtf16, nullptr);
    if (code != SQLITE_OK) {
        connection.Fail(QStringLiteral("Cannot set up the card order for"), code);
    }
}
