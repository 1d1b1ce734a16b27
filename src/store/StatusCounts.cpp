#include "store/StatusCounts.h"

#include "store/CardTable.h"
#include "store/Dataset.h"

#include <algorithm>

using namespace CardTable;

namespace {

bool Is(std::string_view status, QLatin1String value)
{
    return status == std::string_view(value.data(), size_t(value.size()));
}

} // namespace

void StatusCounts::Tally(std::string_view status, int delta)
{
    if (Is(status, StatusValue::kLearning)) {
        Learning += delta;
    } else if (Is(status, StatusValue::kLearned)) {
        Learned += delta;
    } else if (Is(status, StatusValue::kIgnore)) {
        Removed += delta;
    }
}

StatusCounts CountStatuses(Dataset& cards)
{
    StatusCounts counts;
    counts.Cards = std::max(cards.RecordCount(), 0);
    for (int record = 1; record <= counts.Cards; ++record) {
        cards.MoveTo(record);
        const QString status = cards.Text(ColumnName(Status));
        if (status == StatusValue::kLearning) {
            ++counts.Learning;
        } else if (status == StatusValue::kLearned) {
            ++counts.Learned;
        } else if (status == StatusValue::kIgnore) {
            ++counts.Removed;
        }
    }
    return counts;
}
