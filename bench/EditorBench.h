#pragma once

#include <QString>

class FigureTable;
class QTextStream;

// The card editor's figures, each held to the 16 ms of a frame: a keystroke in the search
// box (the worst keystroke of a typed query, a narrowing one or a search afresh), and a
// change of a card's word that moves it across the whole list, whose own work (timed on a
// copy in a memory-backed folder, where syncs cost nothing) is told apart from its durable
// commit, which is measured beside it as a bare engine's update of one row.
class EditorBench {
public:
    struct Dictionary {
        QString path; // a copy the edits may change
        QString memoryPath; // another, in a memory-backed folder where syncs cost nothing
        int cards = 0;
    };

    EditorBench(FigureTable& table, QTextStream& out, bool quick);

    void Run(const Dictionary& small, const Dictionary& large);

private:
    void MeasureSearch(const Dictionary& dictionary);
    void MeasureEdit(const Dictionary& dictionary);
    int Runs() const { return m_quick ? 3 : 9; }

    FigureTable& m_table;
    QTextStream& m_out;
    bool m_quick;
};
