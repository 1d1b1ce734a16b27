#include "learning/LearningSession.h"

#include "learning/ExerciseNumbers.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"

#include <algorithm>
#include <limits>

namespace {

// After a failed write the learning dataset follows the file again (as far as it can be
// read), so it never shows a change the file does not hold.
void ReloadAfterFailure(DictionaryStore& store, int blockSize)
{
    try {
        store.OpenLearningBlock(blockSize);
    } catch (const std::exception&) {
    }
}

} // namespace

int LearningSession::BlockLimit(int maxBlockSize)
{
    return std::clamp(maxBlockSize, 0, kMaxBlockSize);
}

void LearningSession::LoadBlock(Dataset& cards)
{
    BlockSize = std::min(cards.RecordCount(), kMaxBlockSize);
    for (int k = 1; k <= BlockSize; ++k) {
        cards.MoveTo(k);
        BlockCard& card = Card(k);
        card.Position = k;
        for (int exercise = 1; exercise <= ExerciseNumbers::kCount; ++exercise) {
            const qint64 value = cards.IntegerAt(ExerciseNumbers::CounterPosition(exercise));
            card.Counters.at(static_cast<std::size_t>(exercise - 1)) = static_cast<int>(
                std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        }
    }
}

void LearningSession::ScoreCorrectAnswer(DictionaryStore& store, ExerciseKind kind, const QDate& day)
{
    const int exercise = ExerciseNumbers::NumberOf(kind);
    if (exercise == 0) {
        return;
    }
    Dataset& cards = store.Learning();
    try {
        store.RunAsOneEdit([&] {
            cards.MoveTo(CurrentCard);
            cards.Edit();
            const qint64 value = cards.IntegerAt(ExerciseNumbers::CounterPosition(exercise));
            cards.SetInteger(CardTable::ColumnName(CardTable::CounterColumn(kind)), value + 1);
            cards.Post();
            store.AddToHistory({ day, 0, 1, 0, 0 });
        });
    } catch (...) {
        // The row was raised in the list before the commit failed: read the block again.
        ReloadAfterFailure(store, BlockSize);
        throw;
    }
    // Raised only once the row is in the file, so a failed write counts nowhere.
    int& counter = Card(CurrentCard).Counters.at(static_cast<std::size_t>(exercise - 1));
    counter = counter < std::numeric_limits<int>::max() ? counter + 1 : counter;
}

void LearningSession::MarkBlockLearned(DictionaryStore& store, const QDate& day) const
{
    const QString status = CardTable::ColumnName(CardTable::Status);
    Dataset& cards = store.Learning();
    try {
        store.RunAsOneEdit([&] {
            for (int k = 1; k <= BlockSize; ++k) {
                cards.MoveTo(k);
                cards.Edit();
                cards.SetText(status, QString(CardTable::StatusValue::kLearned));
                cards.Post();
            }
            store.AddToHistory({ day, BlockSize, 0, 0, 0 });
        });
    } catch (...) {
        // The file kept the whole block as it was; so does the block's list, read again.
        ReloadAfterFailure(store, BlockSize);
        throw;
    }
}
