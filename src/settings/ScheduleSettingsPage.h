#pragma once

#include "settings/DailyTimeEditor.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// The second page of the settings dialog (XPTabSheet2): whether the program reminds the
// user on a schedule (XPCheckBox6), and how, one of two modes: during the day every so many
// minutes (XPRadioButton1, SpinEditor4 Label6) or every day at a set time (XPRadioButton2,
// SpinEditor6 ":" SpinEditor5). Each mode's caption is a label beside its button (Label7,
// Label8), as the language files name them, and a click on it selects the mode.
class ScheduleSettingsPage final : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleSettingsPage(QWidget* parent = nullptr);

    QCheckBox* ScheduleCheckBox() const { return m_schedule; } // XPCheckBox6
    QRadioButton* DuringDayButton() const { return m_duringDay; } // XPRadioButton1
    QLabel* IntervalLabel() const { return m_intervalLabel; } // Label7
    QSpinBox* IntervalEditor() const { return m_interval; } // SpinEditor4, minutes
    QLabel* IntervalUnitLabel() const { return m_intervalUnit; } // Label6
    QRadioButton* DailyButton() const { return m_daily; } // XPRadioButton2
    QLabel* DailyLabel() const { return m_dailyLabel; } // Label8
    DailyTimeEditor* HourEditor() const { return m_hour; } // SpinEditor6
    QLabel* TimeSeparatorLabel() const { return m_timeSeparator; } // Label5
    DailyTimeEditor* MinuteEditor() const { return m_minute; } // SpinEditor5

private:
    void AddDuringDayControls();
    void AddDailyControls();
    QRadioButton* AddModeButton(const QString& name, int top);
    QLabel* AddModeCaption(const QString& name, const QString& text, QRadioButton* button);
    QLabel* AddLabel(const QString& name, const QString& text, QPoint place);
    DailyTimeEditor* AddTimeEditor(const QString& name, DailyTime::Field field, int value, const QRect& place);

    QCheckBox* m_schedule = nullptr;
    QRadioButton* m_duringDay = nullptr;
    QLabel* m_intervalLabel = nullptr;
    QSpinBox* m_interval = nullptr;
    QLabel* m_intervalUnit = nullptr;
    QRadioButton* m_daily = nullptr;
    QLabel* m_dailyLabel = nullptr;
    DailyTimeEditor* m_hour = nullptr;
    QLabel* m_timeSeparator = nullptr;
    DailyTimeEditor* m_minute = nullptr;
};
