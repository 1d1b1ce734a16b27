#include "settings/ScheduleSettingsPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int kLargestInterval = 65535;
constexpr QSize kRadioSize { 160, 20 };
constexpr int kDuringDayTop = 48;
constexpr int kDailyTop = 84;

// The daily time is set with the arrows only; typing into the two editors is refused,
// which keeps their text a number the wrap-round of hours and minutes understands.
void RefuseTyping(QSpinBox* editor)
{
    if (auto* text = editor->findChild<QLineEdit*>()) {
        text->setReadOnly(true);
    }
}

} // namespace

ScheduleSettingsPage::ScheduleSettingsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("XPTabSheet2"));
    m_schedule = new QCheckBox(QStringLiteral("Назначить расписание"), this);
    m_schedule->setObjectName(QStringLiteral("XPCheckBox6"));
    m_schedule->setGeometry(16, 16, 320, 20);
    AddDuringDayControls();
    AddDailyControls();
}

void ScheduleSettingsPage::AddDuringDayControls()
{
    m_duringDay = new QRadioButton(QStringLiteral("В течении дня, каждые:"), this);
    m_duringDay->setObjectName(QStringLiteral("XPRadioButton1"));
    m_duringDay->setGeometry(QRect(QPoint(32, kDuringDayTop), kRadioSize));
    m_duringDay->setChecked(true);
    m_duringDay->hide();

    m_intervalLabel
        = AddLabel(QStringLiteral("Label7"), QStringLiteral("В течении дня, каждые:"), { 32, kDuringDayTop + 4 });
    m_interval = AddEditor(QStringLiteral("SpinEditor4"), 0, kLargestInterval, 10, QRect(200, kDuringDayTop, 60, 24));
    m_intervalUnit = AddLabel(QStringLiteral("Label6"), QStringLiteral("мин."), { 266, kDuringDayTop + 4 });
}

void ScheduleSettingsPage::AddDailyControls()
{
    m_daily = new QRadioButton(QStringLiteral("Ежедневно, в:"), this);
    m_daily->setObjectName(QStringLiteral("XPRadioButton2"));
    m_daily->setGeometry(QRect(QPoint(32, kDailyTop), kRadioSize));
    m_daily->hide();

    // One step past either end is allowed, so that stepping wraps round: 23 -> 24 becomes
    // 00, 0 -> -1 becomes 23, and the minutes likewise.
    m_hour = AddEditor(QStringLiteral("SpinEditor6"), -1, 24, 12, QRect(200, kDailyTop, 48, 24));
    m_timeSeparator = AddLabel(QStringLiteral("Label5"), QStringLiteral(":"), { 252, kDailyTop + 4 });
    m_minute = AddEditor(QStringLiteral("SpinEditor5"), -1, 60, 0, QRect(260, kDailyTop, 48, 24));
    for (QWidget* daily :
        { static_cast<QWidget*>(m_hour), static_cast<QWidget*>(m_timeSeparator), static_cast<QWidget*>(m_minute) }) {
        daily->hide();
    }
    RefuseTyping(m_hour);
    RefuseTyping(m_minute);
}

QLabel* ScheduleSettingsPage::AddLabel(const QString& name, const QString& text, QPoint place)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->adjustSize();
    label->move(place);
    return label;
}

QSpinBox* ScheduleSettingsPage::AddEditor(const QString& name, int minimum, int maximum, int value, const QRect& place)
{
    auto* editor = new QSpinBox(this);
    editor->setObjectName(name);
    editor->setRange(minimum, maximum);
    editor->setValue(value);
    editor->setGeometry(place);
    return editor;
}
