#include "EditorBench.h"

#include "BenchSeams.h"
#include "FigureTable.h"
#include "RawDictionary.h"
#include "Stopwatch.h"
#include "base/AppError.h"
#include "editor/CardListModel.h"
#include "i18n/LanguageTable.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"

#include <QLocale>
#include <QTextStream>
#include <algorithm>

namespace {

constexpr double kFrameMs = 16;

QString Count(int number)
{
    return QLocale(QLocale::English).toString(number);
}

// The editor's table over an open dictionary, as the window holds it, without a window.
struct OpenEditor {
    IdleEventPump events;
    RefusingPrompts prompts;
    const LanguageTable texts { QString() };
    DictionaryStore store { events };
    CardListModel model { store, prompts, texts };

    explicit OpenEditor(const QString& path)
    {
        store.OpenDictionary(path);
        model.Reload();
    }
    QString Text(int record, int column)
    {
        store.Browser().MoveTo(record);
        return store.Browser().TextAt(column);
    }
};

} // namespace

EditorBench::EditorBench(FigureTable& table, QTextStream& out, bool quick)
    : m_table(table)
    , m_out(out)
    , m_quick(quick)
{
}

void EditorBench::Run(const Dictionary& small, const Dictionary& large)
{
    for (const Dictionary& dictionary : { small, large }) {
        MeasureSearch(dictionary);
        MeasureEdit(dictionary);
    }
}

void EditorBench::MeasureSearch(const Dictionary& dictionary)
{
    OpenEditor editor(dictionary.path);
    const double opening = TimeMs([&] { editor.model.Reload(); });
    m_out << QStringLiteral("  (the editor folds %1 cards for its search in %2 ms when it opens)")
                 .arg(Count(dictionary.cards))
                 .arg(opening, 0, 'f', 0)
          << Qt::endl;
    // The user types a word of the middle of the list, letter by letter, in capitals, then
    // clears the box and types the start of a Russian translation: each keystroke narrows
    // the list or searches it afresh.
    const int middle = dictionary.cards / 2;
    const QString word = editor.Text(middle, CardTable::Header).left(6).toUpper();
    const QString translation = editor.Text(middle + 1, CardTable::Translation).left(3);
    QStringList keystrokes;
    for (int letters = 1; letters <= word.size(); ++letters) {
        keystrokes << word.left(letters);
    }
    keystrokes << QString();
    for (int letters = 1; letters <= translation.size(); ++letters) {
        keystrokes << translation.left(letters);
    }
    const std::vector<double> medians = MedianRuns(Runs(), { [&] {
        double worst = 0;
        for (const QString& query : keystrokes) {
            worst = std::max(worst, TimeMs([&] { editor.model.SetFilter(query); }));
        }
        return worst;
    } });
    if (editor.model.ShownCount() == 0) {
        throw AppError(QStringLiteral("The benchmark's check failed: the search found no card for \"%1\".")
                           .arg(keystrokes.last()));
    }
    m_table.Add(FigureTable::Budget(QStringLiteral("search keystroke, worst (%1 cards)").arg(Count(dictionary.cards)),
                    medians[0], kFrameMs),
        m_out);
}

void EditorBench::MeasureEdit(const Dictionary& dictionary)
{
    OpenEditor editor(dictionary.path);
    RawDictionary raw(dictionary.path);
    // The word of the first card changes so that it goes to the end of the list and back:
    // the longest way a card can move.
    const QModelIndex first = editor.model.index(0, CardListModel::Word);
    const QString word = first.data().toString();
    bool atEnd = false;
    const auto edit = [&] {
        const int row = atEnd ? editor.model.rowCount() - 1 : 0;
        const QString text = atEnd ? word : QStringLiteral("zzzz ") + word;
        bool done = false;
        const double ms = TimeMs([&] { done = editor.model.setData(editor.model.index(row, 0), text); });
        if (!done) {
            throw AppError(QStringLiteral("The benchmark's check failed: the card \"%1\" was not saved.").arg(word));
        }
        atEnd = !atEnd;
        return ms;
    };
    qint64 value = 0;
    const std::vector<double> medians
        = MedianRuns(Runs() * 2 + 1, { edit, [&] { return TimeMs([&] { raw.UpdateOneRow(1, ++value % 4); }); } });
    if (editor.model.index(atEnd ? editor.model.rowCount() - 1 : 0, 0).data().toString()
        != (atEnd ? "zzzz " + word : word)) {
        throw AppError(QStringLiteral("The benchmark's check failed: the edited card is not at its place."));
    }
    const QString size = Count(dictionary.cards);
    m_table.Add(FigureTable::Budget(QStringLiteral("card editor edit, in memory (%1 cards)").arg(size),
                    std::max(medians[0] - medians[1], 0.0), kFrameMs),
        m_out);
    FigureTable::Figure commit(
        QStringLiteral("card editor edit, with its commit (%1 cards)").arg(size), medians[0], medians[1]);
    commit.floorName = QStringLiteral("durable updates");
    m_table.Add(commit, m_out);
}
