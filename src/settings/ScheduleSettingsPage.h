#pragma once

#include "settings/DailyTimeEditor.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// The second page of the settings dialog (XPTabSheet2): whether the program reminds the
// user on a schedule (XPCheckBox6) and every how many minutes during the day. The daily
// reminder at a set time has its controls here too (XPRadioButton2, SpinEditor6 ":"
// SpinEditor5) but they stay hidden, as does the radio button of the during-day mode,
// whose caption Label7 shows instead.
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
    DailyTimeEditor* HourEditor() const { return m_hour; } // SpinEditor6
    QLabel* TimeSeparatorLabel() const { return m_timeSeparator; } // Label5
    DailyTimeEditor* MinuteEditor() const { return m_minute; } // SpinEditor5

private:
    void AddDuringDayControls();
    void AddDailyControls();
    QLabel* AddLabel(const QString& name, const QString& text, QPoint place);
    DailyTimeEditor* AddTimeEditor(const QString& name, DailyTime::Field field, int value, const QRect& place);

    QCheckBox* m_schedule = nullptr;
    QRadioButton* m_duringDay = nullptr;
    QLabel* m_intervalLabel = nullptr;
    QSpinBox* m_interval = nullptr;
    QLabel* m_intervalUnit = nullptr;
    QRadioButton* m_daily = nullptr;
    DailyTimeEditor* m_hour = nullptr;
    QLabel* m_timeSeparator = nullptr;
    DailyTimeEditor* m_minute = nullptr;
};
