#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

// The third page of the settings dialog (XPTabSheet3): the interface language, one of the
// languages whose files the program has (ComboBox_language, captioned by Label_language),
// and a note that a new language shows from the next start (Label_language_note); and
// whether each word is said aloud as it appears (XPCheckBox_say).
class InterfaceSettingsPage final : public QWidget {
    Q_OBJECT

public:
    explicit InterfaceSettingsPage(QWidget* parent = nullptr);

    QLabel* LanguageLabel() const { return m_label; } // Label_language
    QComboBox* LanguageBox() const { return m_languages; } // ComboBox_language; item data: the language name
    QLabel* NoteLabel() const { return m_note; } // Label_language_note
    QCheckBox* SayWordsBox() const { return m_say; } // XPCheckBox_say

private:
    QLabel* m_label = nullptr;
    QComboBox* m_languages = nullptr;
    QLabel* m_note = nullptr;
    QCheckBox* m_say = nullptr;
};
