#pragma once

// The import dialog: a word list's file, how it is read (encoding, which column fills which
// field of a card), a preview of its first rows as they will become cards, where they go
// (the open dictionary or a new one), and the progress of the import. It only lays out the
// controls; ImportController fills them and runs the import.

#include "words/WordSource.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

class ImportDialog : public QDialog {
    Q_OBJECT

public:
    explicit ImportDialog(QWidget* parent = nullptr);

    QLineEdit* FileEdit() const { return m_file; }
    QPushButton* BrowseButton() const { return m_browse; }
    QLabel* FormatText() const { return m_format; }
    QComboBox* EncodingBox() const { return m_encoding; }
    QComboBox* ColumnBox(WordField field) const { return m_columns.at(size_t(field)); }
    QTableWidget* Preview() const { return m_preview; }
    QRadioButton* IntoOpenButton() const { return m_intoOpen; }
    QRadioButton* IntoNewButton() const { return m_intoNew; }
    QProgressBar* Progress() const { return m_progress; }
    QPushButton* ImportButton() const { return m_import; }
    QPushButton* CancelButton() const { return m_cancel; }

    // The preview rows shown, and the fields shown for each, in this order.
    static constexpr int kPreviewRows = 8;
    static constexpr std::array<WordField, 4> kPreviewFields { WordField::Word, WordField::Transcription,
        WordField::Translation, WordField::PartOfSpeech };

private:
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QLabel* m_format = nullptr;
    QComboBox* m_encoding = nullptr;
    std::array<QComboBox*, kWordFieldCount> m_columns {};
    QTableWidget* m_preview = nullptr;
    QRadioButton* m_intoOpen = nullptr;
    QRadioButton* m_intoNew = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_cancel = nullptr;
};
