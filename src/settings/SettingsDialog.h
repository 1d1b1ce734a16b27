#pragma once

// The settings dialog (Form5): three pages in a page control, learning (which exercises
// run, right answers per card, block size, popup delay), schedule (the reminder) and
// interface (the language), with OK and Cancel. It is built once with its Russian texts and design layout; applying the
// language file replaces the texts and sets the exercise boxes in their final column.
// Loading the controls from the settings file and saving them belong to the code that
// opens the dialog.

#include <QDialog>
#include <QSize>

class InterfaceSettingsPage;
class LearningSettingsPage;
class QPushButton;
class QTabWidget;
class ScheduleSettingsPage;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize { 381, 418 };

    explicit SettingsDialog(QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; } // XPPageControl1
    LearningSettingsPage* Learning() const { return m_learning; } // XPTabSheet1
    ScheduleSettingsPage* Schedule() const { return m_schedule; } // XPTabSheet2
    InterfaceSettingsPage* Interface() const { return m_interface; } // XPTabSheet3
    QPushButton* OkButton() const { return m_ok; } // Button2
    QPushButton* CancelButton() const { return m_cancel; } // Button1

private:
    QTabWidget* m_pages = nullptr;
    LearningSettingsPage* m_learning = nullptr;
    ScheduleSettingsPage* m_schedule = nullptr;
    InterfaceSettingsPage* m_interface = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
