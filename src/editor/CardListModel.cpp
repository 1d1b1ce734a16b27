#include "editor/CardListModel.h"

#include "base/CommandGuard.h"
#include "base/ExerciseKind.h"
#include "i18n/LanguageTable.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"
#include "store/PartOfSpeech.h"

#include <algorithm>
#include <numeric>

namespace {

// The counters shown, in the order a session runs the exercises.
constexpr std::array<ExerciseKind, 4> kCounters { ExerciseKind::vibor_perevoda, ExerciseKind::para,
    ExerciseKind::vspomnit, ExerciseKind::perevod };

std::vector<int> AllRecords(int count)
{
    std::vector<int> records(size_t(qMax(count, 0)));
    std::iota(records.begin(), records.end(), 1);
    return records;
}

} // namespace

CardListModel::CardListModel(DictionaryStore& store, Prompts& prompts, const LanguageTable& texts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_texts(texts)
{
}

void CardListModel::Reload()
{
    beginResetModel();
    if (m_store.IsOpen()) {
        m_search.Build(m_store.Browser());
    } else {
        m_search = CardSearch();
    }
    m_rows = m_query.empty() ? AllRecords(m_search.Count()) : m_search.FindAll(m_query);
    endResetModel();
}

void CardListModel::SetFilter(const QString& query)
{
    std::string folded = CardSearch::Folded(query);
    std::vector<int> rows;
    if (folded.empty()) {
        rows = AllRecords(m_search.Count());
    } else if (!m_query.empty() && folded.find(m_query) != std::string::npos) {
        // A longer query finds only cards the shorter one found: look among those.
        rows = m_search.Narrow(folded, m_rows);
    } else {
        rows = m_search.FindAll(folded);
    }
    beginResetModel();
    m_rows.swap(rows);
    m_query.swap(folded);
    endResetModel();
}

int CardListModel::RecordAt(int row) const
{
    const int position = row - Offset();
    return position >= 0 && position < ShownCount() ? m_rows[size_t(position)] : 0;
}

QModelIndex CardListModel::AddDraft()
{
    if (!m_draft) {
        beginInsertRows(QModelIndex(), 0, 0);
        m_draft.emplace();
        endInsertRows();
    }
    return index(0, Word);
}

CardTable::Column CardListModel::TextColumn(int column)
{
    switch (column) {
    case Transcription:
        return CardTable::Transcription;
    case Translation:
        return CardTable::Translation;
    case PartOfSpeech:
        return CardTable::PartOfSpeech;
    default:
        return CardTable::Header;
    }
}

QString CardListModel::Message(const QString& key) const
{
    return m_texts.LookupMessage(key);
}

QString CardListModel::PartOfSpeechCaption(const QString& code) const
{
    QString marker;
    PartOfSpeech::PartOfSpeechMarker(code, marker, [this](const QString& key) { return m_texts.LookupMessage(key); });
    // "other" says nothing more with a marker, and has none in the language files.
    return marker.isEmpty() || code == QLatin1String("other") ? code : code + QLatin1Char(' ') + marker;
}

QString CardListModel::StatusText(const QString& status) const
{
    if (status == CardTable::StatusValue::kNew) {
        return Message(QStringLiteral("form_editor_message_status_new"));
    }
    if (status == CardTable::StatusValue::kLearning) {
        return Message(QStringLiteral("form_editor_message_status_learning"));
    }
    if (status == CardTable::StatusValue::kLearned) {
        return Message(QStringLiteral("form_editor_message_status_learned"));
    }
    if (status == CardTable::StatusValue::kIgnore) {
        return Message(QStringLiteral("form_editor_message_status_removed"));
    }
    return status;
}

int CardListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ShownCount() + Offset();
}

int CardListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CardListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    if (m_draft && index.row() == 0) {
        if (index.column() > PartOfSpeech || (role != Qt::DisplayRole && role != Qt::EditRole)) {
            return {};
        }
        const QString& text = (*m_draft)[size_t(index.column())];
        return role == Qt::DisplayRole && index.column() == PartOfSpeech ? PartOfSpeechCaption(text) : text;
    }
    return CardData(RecordAt(index.row()), index.column(), role);
}

QVariant CardListModel::CardData(int record, int column, int role) const
{
    if (role == Qt::TextAlignmentRole && column >= ChoiceCount) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    Dataset& cards = m_store.Browser();
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || record < 1 || record > cards.RecordCount()) {
        return {};
    }
    cards.MoveTo(record);
    if (column >= ChoiceCount) {
        return cards.IntegerAt(CardTable::CounterColumn(kCounters.at(size_t(column - ChoiceCount))));
    }
    if (column == Status) {
        return StatusText(cards.TextAt(CardTable::Status));
    }
    const QString text = cards.TextAt(TextColumn(column));
    return column == PartOfSpeech && role == Qt::DisplayRole ? PartOfSpeechCaption(text) : text;
}

QVariant CardListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole) {
            return {};
        }
        return m_draft && section == 0 ? QStringLiteral("*") : QVariant(RecordAt(section));
    }
    static const std::array<const char*, kColumnCount> keys { "form_editor_message_column_word",
        "form_editor_message_column_transcription", "form_editor_message_column_translation",
        "form_editor_message_column_part_of_speech", "form_editor_message_column_status",
        "form_editor_message_column_choice", "form_editor_message_column_pairs", "form_editor_message_column_recall",
        "form_editor_message_column_typed" };
    static const std::array<const char*, 4> exercises { "form4_message_vibor_perevoda", "form4_message_para",
        "form4_message_vspomnit", "form4_message_perevod" };
    if (section < 0 || section >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return Message(QString::fromLatin1(keys.at(size_t(section))));
    }
    if (role == Qt::ToolTipRole && section >= ChoiceCount) {
        return Message(QStringLiteral("form_editor_message_counter_hint"))
            .arg(Message(QString::fromLatin1(exercises.at(size_t(section - ChoiceCount)))));
    }
    return {};
}

Qt::ItemFlags CardListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() <= PartOfSpeech ? flags | Qt::ItemIsEditable : flags;
}

bool CardListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() > PartOfSpeech) {
        return false;
    }
    if (m_draft && index.row() == 0) {
        return AddFromDraft(index.column(), value.toString());
    }
    return ChangeText(index.row(), index.column(), value.toString());
}

bool CardListModel::Guarded(const std::function<void()>& command)
{
    if (CommandGuard(m_prompts).Run(command)) {
        return true;
    }
    // A failed change leaves the store's list as the file holds it, which is what the rows
    // show, unless it could not even be read again.
    if (!m_store.IsOpen() || m_store.Browser().RecordCount() != m_search.Count()) {
        Reload();
    } else {
        Q_EMIT dataChanged(index(0, 0), index(qMax(rowCount() - 1, 0), kColumnCount - 1));
    }
    return false;
}

bool CardListModel::AddFromDraft(int column, const QString& text)
{
    std::array<QString, 4>& draft = *m_draft;
    if (draft[size_t(column)] == text) {
        return true; // leaving a cell unchanged writes nothing
    }
    draft[size_t(column)] = text;
    Q_EMIT dataChanged(index(0, 0), index(0, kColumnCount - 1));
    if (column != Word && draft[Word].trimmed().isEmpty()) {
        return true; // the card is written once it has a word
    }
    CardRecord card = CardRecord::Make(draft[Word], draft[Translation]);
    card[CardTable::Transcription] = draft[Transcription];
    card[CardTable::PartOfSpeech] = draft[PartOfSpeech];
    int record = 0;
    if (!Guarded([&] { record = m_store.AddCard(card); })) {
        return false;
    }
    m_search.Insert(record, m_store.Browser());
    for (int& shown : m_rows) {
        shown += shown >= record ? 1 : 0;
    }
    beginRemoveRows(QModelIndex(), 0, 0);
    m_draft.reset();
    endRemoveRows();
    // A new card shows whatever the search, so the user sees where it went.
    const int position = int(std::lower_bound(m_rows.begin(), m_rows.end(), record) - m_rows.begin());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(m_rows.begin() + position, record);
    endInsertRows();
    Q_EMIT CardsChanged();
    Q_EMIT CardPlaced(index(position, Translation));
    return true;
}

bool CardListModel::ChangeText(int row, int column, const QString& text)
{
    const int record = RecordAt(row);
    if (record == 0) {
        return false;
    }
    Dataset& cards = m_store.Browser();
    cards.MoveTo(record);
    if (cards.TextAt(TextColumn(column)) == text.trimmed()) {
        return true; // nothing to write
    }
    int placed = record;
    if (!Guarded([&] { placed = m_store.ChangeCardText(record, TextColumn(column), text); })) {
        return false;
    }
    m_search.Move(record, placed);
    m_search.Update(placed, cards);
    MoveRow(row - Offset(), record, placed, column);
    Q_EMIT CardsChanged();
    return true;
}

void CardListModel::MoveRow(int position, int from, int to, int column)
{
    std::vector<int> rows = m_rows;
    rows.erase(rows.begin() + position);
    for (int& shown : rows) {
        if (from < to && shown > from && shown <= to) {
            --shown;
        } else if (from > to && shown >= to && shown < from) {
            ++shown;
        }
    }
    const int target = int(std::lower_bound(rows.begin(), rows.end(), to) - rows.begin());
    rows.insert(rows.begin() + target, to);
    if (target == position) {
        m_rows.swap(rows);
    } else {
        beginMoveRows(QModelIndex(), position + Offset(), position + Offset(), QModelIndex(),
            (target > position ? target + 1 : target) + Offset());
        m_rows.swap(rows);
        endMoveRows();
    }
    const int row = target + Offset();
    Q_EMIT dataChanged(index(row, 0), index(row, kColumnCount - 1));
    if (from != to) {
        Q_EMIT CardPlaced(index(row, column));
    }
}

bool CardListModel::DeleteRows(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (m_draft && !rows.empty() && rows.front() == 0) {
        rows.erase(rows.begin());
        beginRemoveRows(QModelIndex(), 0, 0);
        m_draft.reset();
        endRemoveRows();
        for (int& row : rows) {
            --row;
        }
    }
    std::vector<int> records;
    for (const int row : rows) {
        if (const int record = RecordAt(row); record > 0) {
            records.push_back(record);
        }
    }
    if (records.empty()) {
        return true;
    }
    if (!Guarded([&] { m_store.DeleteCards(records); })) {
        return false;
    }
    // The rows go bottom up, each run of neighbours at once.
    for (int last = int(records.size()) - 1; last >= 0;) {
        int first = last;
        const auto positionOf = [this](int record) {
            return int(std::lower_bound(m_rows.begin(), m_rows.end(), record) - m_rows.begin());
        };
        const int end = positionOf(records[size_t(last)]);
        while (first > 0 && positionOf(records[size_t(first - 1)]) == end - (last - first) - 1) {
            --first;
        }
        const int begin = end - (last - first);
        beginRemoveRows(QModelIndex(), begin + Offset(), end + Offset());
        m_rows.erase(m_rows.begin() + begin, m_rows.begin() + end + 1);
        endRemoveRows();
        last = first - 1;
    }
    for (int& shown : m_rows) {
        shown -= int(std::lower_bound(records.begin(), records.end(), shown) - records.begin());
    }
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        m_search.Remove(*record);
    }
    // The card marked in place of a deleted current one shows its new status.
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    }
    Q_EMIT CardsChanged();
    return true;
}
