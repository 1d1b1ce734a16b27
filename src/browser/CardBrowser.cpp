#include "browser/CardBrowser.h"

#include "base/Prompts.h"
#include "i18n/LanguageTable.h"
#include "store/CardTable.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"

using namespace CardTable;

namespace {

const QString kStatus = CardTable::ColumnName(CardTable::Status);
const QString kActiveWord = CardTable::ColumnName(CardTable::ActiveWord);

} // namespace

CardBrowser::CardBrowser(DictionaryStore& store, Prompts& prompts, const LanguageTable& texts, CardView& view)
    : m_store(store)
    , m_prompts(prompts)
    , m_texts(texts)
    , m_view(view)
{
}

void CardBrowser::SetCurrentRecord(int record)
{
    m_currentRecord = record;
    m_currentRowId = 0;
    if (record > 0 && record <= RecordCount()) {
        Dataset& cards = m_store.Browser();
        cards.MoveTo(record);
        m_currentRowId = cards.RowId();
    }
}

void CardBrowser::FollowCardChanges()
{
    Dataset& cards = m_store.Browser();
    int record = m_currentRowId != 0 && RecordCount() > 0 ? cards.RecordOf(m_currentRowId) : 0;
    for (int r = 1; record == 0 && r <= RecordCount(); ++r) {
        cards.MoveTo(r);
        record = cards.IntegerAt(ActiveWord) != 0 ? r : 0;
    }
    SetCurrentRecord(record);
    if (record > 0) {
        ShowCard(record);
    } else {
        m_view.ShowCardTexts({}, {}, {});
    }
    ShowPosition();
}

int CardBrowser::RecordCount() const
{
    // Without an open dictionary there is nothing to page through.
    return m_store.IsOpen() ? m_store.Browser().RecordCount() : 0;
}

QString CardBrowser::StatusOf(int record)
{
    Dataset& cards = m_store.Browser();
    cards.MoveTo(record);
    return cards.Text(kStatus);
}

void CardBrowser::SetMark(int record, bool marked)
{
    Dataset& cards = m_store.Browser();
    cards.MoveTo(record);
    cards.Edit();
    cards.SetFlag(kActiveWord, marked);
    cards.Post();
}

void CardBrowser::MarkAsCurrent(int record, bool keepIgnored)
{
    Dataset& cards = m_store.Browser();
    cards.MoveTo(record);
    const QString status = cards.Text(kStatus);
    cards.Edit();
    cards.SetFlag(kActiveWord, true);
    if (status != StatusValue::kLearned && !(keepIgnored && status == StatusValue::kIgnore)) {
        cards.SetText(kStatus, StatusValue::kLearning);
    }
    cards.Post();
}

void CardBrowser::MoveMark(int from, int to, bool keepIgnored)
{
    // Both edits go to the file in one commit, so the dictionary never keeps two marks or
    // none, and a step costs one durable write.
    m_store.RunAsOneEdit([&] {
        SetMark(from, false);
        MarkAsCurrent(to, keepIgnored);
    });
}

void CardBrowser::ShowCard(int record)
{
    if (record <= 0 || !m_store.IsOpen()) {
        return;
    }
    Dataset& cards = m_store.Browser();
    cards.MoveTo(record);
    const QString transcription = cards.IsNull(CardTable::ColumnName(CardTable::Transcription))
        ? QString()
        : QLatin1Char('[') + cards.Text(CardTable::ColumnName(CardTable::Transcription)) + QLatin1Char(']');
    m_view.ShowCardTexts(cards.Text(CardTable::ColumnName(CardTable::Header)), transcription,
        cards.Text(CardTable::ColumnName(CardTable::Translation)));
}

void CardBrowser::ShowPosition()
{
    m_view.ShowPositionText(QStringLiteral("%1/%2").arg(m_currentRecord).arg(RecordCount()));
    const StatusCounts counts = m_store.IsOpen() ? m_store.Browser().Statuses() : StatusCounts {};
    m_view.ShowLearnedText(
        m_texts.LookupMessage(QStringLiteral("form1_message_learned_count")).arg(counts.Learned).arg(counts.Cards));
}

void CardBrowser::NextStep()
{
    const int count = RecordCount();
    if (count <= 0) {
        return;
    }
    const int old = m_currentRecord;
    int found = 0;
    for (int r = old + 1; r <= count; ++r) {
        if (StatusOf(r) != StatusValue::kIgnore) {
            found = r;
            break;
        }
    }
    if (found > 0) {
        MoveMark(old, found, false);
        SetCurrentRecord(found);
        ShowCard(found);
    } else if (m_prompts.Confirm(m_texts.LookupMessage(QStringLiteral("form1_message_learning_info1")))) {
        // Going on from the first card shows it even when it was removed.
        MoveMark(old, 1, true);
        SetCurrentRecord(1);
        ShowCard(1);
    }
    ShowPosition();
}

void CardBrowser::PreviousStep()
{
    const int count = RecordCount();
    if (count <= 0) {
        return;
    }
    const int old = m_currentRecord;
    if (old == 1) {
        if (m_prompts.Confirm(m_texts.LookupMessage(QStringLiteral("form1_message_learning_info2")))) {
            MoveMark(old, count, true);
            SetCurrentRecord(count);
            ShowCard(count);
        }
        ShowPosition();
        return;
    }
    // With only removed cards before it, the browser stays on the current card.
    int taken = old;
    for (int r = old - 1; r >= 1; --r) {
        if (StatusOf(r) != StatusValue::kIgnore) {
            taken = r;
            break;
        }
    }
    MoveMark(old, taken, false);
    SetCurrentRecord(taken);
    ShowCard(taken);
    ShowPosition();
}

void CardBrowser::RemoveFromLearning()
{
    if (RecordCount() <= 0) {
        return;
    }
    if (!m_prompts.Confirm(m_texts.LookupMessage(QStringLiteral("form1_message_delete")))) {
        return;
    }
    Dataset& cards = m_store.Browser();
    cards.MoveTo(m_currentRecord);
    cards.Edit();
    cards.SetText(kStatus, StatusValue::kIgnore);
    cards.Post();
    NextStep();
}
