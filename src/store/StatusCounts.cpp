#include "store/StatusCounts.h"

#include "store/CardTable.h"
#include "store/Dataset.h"

#include <algorithm>

using namespace CardTable;

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
