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

// The word of the first card changes so that it goes to the end of the list, and back the
// next time: the longest way a card can move.
class CardMove {
public:
    explicit CardMove(OpenEditor& editor)
        : m_editor(editor)
        , m_word(editor.model.index(0, CardListModel::Word).data().toString())
    {
    }
    double Run()
    {
        const int row = m_atEnd ? m_editor.model.rowCount() - 1 : 0;
        const QString text = m_atEnd ? m_word : QStringLiteral("zzzz ") + m_word;
        bool done = false;
        const double ms = TimeMs([&] { done = m_editor.model.setData(m_editor.model.index(row, 0), text); });
        if (!done) {
            throw AppError(QStringLiteral("The benchmark's check failed: the card \"%1\" was not saved.").arg(m_word));
        }
        m_atEnd = !m_atEnd;
        return ms;
    }
    void Check() const
    {
        const int row = m_atEnd ? m_editor.model.rowCount() - 1 : 0;
        if (m_editor.model.index(row, 0).data().toString() != (m_atEnd ? "zzzz " + m_word : m_word)) {
            throw AppError(QStringLiteral("The benchmark's check failed: the edited card is not at its place."));
        }
    }

private:
    OpenEditor& m_editor;
    QString m_word;
    bool m_atEnd = false;
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
    // On the disk's copy each edit pays its durable commit, measured beside the bare engine's
    // update of one row; on the copy in a memory-backed folder a sync costs nothing, so what
    // is timed there is the edit's own work: the statement, the store's list, the search and
    // the table's rows following.
    OpenEditor editor(dictionary.path);
    OpenEditor inMemory(dictionary.memoryPath);
    RawDictionary raw(dictionary.path);
    CardMove onDisk(editor);
    CardMove syncsAside(inMemory);
    qint64 value = 0;
    const std::vector<double> medians = MedianRuns(Runs() * 2 + 1,
        { [&] { return onDisk.Run(); }, [&] { return TimeMs([&] { raw.UpdateOneRow(1, ++value % 4); }); },
            [&] { return syncsAside.Run(); } });
    onDisk.Check();
    syncsAside.Check();
    const QString size = Count(dictionary.cards);
    m_table.Add(
        FigureTable::Budget(QStringLiteral("card editor edit, syncs aside (%1 cards)").arg(size), medians[2], kFrameMs),
        m_out);
    FigureTable::Figure commit(
        QStringLiteral("card editor edit, with its commit (%1 cards)").arg(size), medians[0], medians[1]);
    // The edit moves its card across the whole list besides its commit, as a step across
    // 10,000 removed cards walks them: held to three durable updates, as that step is.
    commit.maxRatio = 3;
    commit.floorName = QStringLiteral("durable updates");
    m_table.Add(commit, m_out);
}
