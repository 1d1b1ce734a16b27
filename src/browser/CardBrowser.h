#pragma once

// Familiarization mode: paging through the open dictionary's cards in header order. The
// browser stands on one record (CurrentRecord) and keeps exactly that card marked
// active in the file, so the next opening starts there. A card the browser moves to
// enters learning (unless it is learned); removed cards are skipped when paging. The
// rules live here, without a window: the main window shows what CardView is told. The
// browser knows its card by row id as well, so when the card editor adds, moves or deletes
// cards it finds its card again (FollowCardChanges) without reading the dictionary anew.

#include <QString>

class Dataset;
class DictionaryStore;
class LanguageTable;
class Prompts;

// What the browser shows: the card's texts, the position text and how many cards are learned.
class CardView {
public:
    virtual ~CardView() = default;
    virtual void ShowCardTexts(const QString& word, const QString& transcription, const QString& translation) = 0;
    virtual void ShowPositionText(const QString& text) = 0;
    virtual void ShowLearnedText(const QString& text) = 0;
};

class CardBrowser {
public:
    CardBrowser(DictionaryStore& store, Prompts& prompts, const LanguageTable& texts, CardView& view);

    int CurrentRecord() const { return m_currentRecord; }
    void SetCurrentRecord(int record);

    // After the card editor changed cards: the browser stands on its card again wherever it
    // now is, or, when it was deleted, on the card the store marked in its place; then it
    // shows that card (none for an empty dictionary) and the position.
    void FollowCardChanges();

    // Shows the card of a record number; nothing for 0 or less.
    void ShowCard(int record);
    // "record/count" in the status bar, and beside it the learned cards out of all. Every
    // command that changes cards ends here; the figures come from the store's running
    // counts, not from a walk over the cards.
    void ShowPosition();

    // The next card that is not removed, or the question whether to go on from the first.
    void NextStep();
    // The previous card that is not removed, or on record 1 the question whether to go on
    // from the last.
    void PreviousStep();
    // After the user's Yes: the current card is removed from learning, then the next step.
    void RemoveFromLearning();

private:
    int RecordCount() const;
    QString StatusOf(int record);
    void SetMark(int record, bool marked);
    // Marks the record and, in the same edit, makes it a learning card unless it is learned
    // (or, when keepIgnored is set, removed).
    void MarkAsCurrent(int record, bool keepIgnored);
    // Moves the mark from one record to another (the current card's status following as
    // MarkAsCurrent says) in one commit.
    void MoveMark(int from, int to, bool keepIgnored);

    DictionaryStore& m_store;
    Prompts& m_prompts;
    const LanguageTable& m_texts;
    CardView& m_view;
    int m_currentRecord = 0;
    qint64 m_currentRowId = 0; // the current card's row id; 0 with none
};
