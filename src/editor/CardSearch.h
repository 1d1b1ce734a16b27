#pragma once

// The card editor: a window over every card of the open dictionary, in the familiarization
// order, where cards are added, changed, deleted and searched.
//
// How the pieces meet. The browser dataset of the store (DictionaryStore::Browser) is the
// one copy of the cards; CardListModel shows its rows to the table through a list of the
// record numbers on view, and CardSearch keeps each card's texts case-folded beside it, so
// a keystroke's filter is a plain byte search. Every change goes through the store's card
// commands (one durable commit each), after which the model and the search follow the
// record numbers the store reports, row by row. CardEditorWindow lays out the controls and
// the keys; CardsChanged tells the main window to find its card again.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

class Dataset;

// Each card's word, transcription and translation, Unicode case-folded, in one UTF-8 buffer,
// one span per record in record order. Folded once when the editor opens, then kept in step
// with the dataset's row changes; a search compares bytes only.
class CardSearch {
public:
    // Folds the texts of every record of `cards`.
    void Build(Dataset& cards);
    int Count() const { return int(m_spans.size()); }

    // The query as the search compares it: case-folded, UTF-8, control characters dropped.
    static std::string Folded(const QString& query);
    // The records (ascending) among `candidates` whose texts contain the folded query.
    std::vector<int> Narrow(const std::string& folded, const std::vector<int>& candidates) const;
    // Every record whose texts contain the folded query.
    std::vector<int> FindAll(const std::string& folded) const;

    // Following the dataset: a record put in (its texts read from `cards`), taken out, read
    // again after a change, or moved.
    void Insert(int record, Dataset& cards);
    void Remove(int record);
    void Update(int record, Dataset& cards);
    void Move(int from, int to);

private:
    // A folded query and the byte of it the search looks for first: the one least likely to
    // stand in a text (a Cyrillic letter's second byte rather than the first, which every
    // Cyrillic letter shares), so few places need a full comparison.
    struct Needle {
        explicit Needle(const std::string& folded);
        std::string_view text;
        size_t anchor = 0;
    };
    bool Matches(int record, const Needle& needle) const;

    struct Span {
        size_t offset;
        size_t size;
    };
    Span Fold(Dataset& cards, int record);

    std::vector<Span> m_spans; // per record, from record 1
    std::string m_folded; // the spans' bytes; a changed record's new text is appended
};
