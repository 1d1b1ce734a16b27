#include "BenchDictionary.h"

#include "CardGenerator.h"
#include "store/DictionaryWriter.h"
#include "store/HeaderOrder.h"

#include <vector>

using namespace CardTable;

namespace {

void SetStatus(CardRecord& card, const QString& status)
{
    card[Status] = status;
    if (status == StatusValue::kNew) {
        // A card never seen has no right answers yet.
        for (const int counter :
            { AssociaciyaTrue, MozaikaTrue, ViborPerevodaTrue, VspomnitTrue, PerevodTrue, ParaTrue }) {
            card[counter] = qint64(0);
        }
    }
}

} // namespace

BenchDictionary BenchDictionary::Make(const QString& path, int cards, int removedRun, unsigned seed)
{
    BenchDictionary made;
    made.path = path;
    made.cards = qMax(cards, 100);
    made.removedRun = qMin(removedRun, made.cards / 4);
    made.runStart = made.cards / 5;
    made.plainStep = made.cards / 2;
    made.marked = made.plainStep;

    CardGenerator generator(seed);
    std::vector<CardRecord> records;
    records.reserve(size_t(made.cards));
    for (int i = 0; i < made.cards; ++i) {
        records.push_back(generator.Next(i + 1));
    }
    // Statuses go by record number, so the order is the store's own: header, then id.
    const HeaderOrder order;
    const std::vector<int> rows = order.Sort(
        made.cards, [&](int row) { return std::get<QString>(records[size_t(row)][Header]); },
        [](int row) { return qint64(row + 1); });
    const auto card = [&](int record) -> CardRecord& { return records[size_t(rows[size_t(record - 1)])]; };
    for (int record = 1; record <= made.cards; ++record) {
        QString status = generator.Status();
        if (record > made.runStart && record <= made.RunEnd()) {
            status = StatusValue::kIgnore;
        } else if (record == made.runStart || record == made.RunEnd() + 1 || record == made.plainStep
            || record == made.plainStep + 1) {
            status = StatusValue::kLearning;
        }
        SetStatus(card(record), status);
    }
    card(made.marked)[ActiveWord] = qint64(1);
    DictionaryWriter::Write(path, records, DictionaryWriter::Existing::Replace);
    return made;
}
