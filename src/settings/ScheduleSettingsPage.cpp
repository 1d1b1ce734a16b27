#include "settings/ScheduleSettingsPage.h"

#include "settings/DailyTimeEditor.h"
#include "settings/SpinEditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int kLargestInterval = 65535;
constexpr QSize kRadioSize { 160, 20 };
constexpr int kDuringDayTop = 48;
constexpr int kDailyTop = 84;

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
    m_interval = AddSpinEditor(
        this, QStringLiteral("SpinEditor4"), 0, kLargestInterval, 10, QRect(200, kDuringDayTop, 60, 24));
    m_intervalUnit = AddLabel(QStringLiteral("Label6"), QStringLiteral("мин."), { 266, kDuringDayTop + 4 });
}

void ScheduleSettingsPage::AddDailyControls()
{
    m_daily = new QRadioButton(QStringLiteral("Ежедневно, в:"), this);
    m_daily->setObjectName(QStringLiteral("XPRadioButton2"));
    m_daily->setGeometry(QRect(QPoint(32, kDailyTop), kRadioSize));
    m_daily->hide();

    m_hour = AddTimeEditor(QStringLiteral("SpinEditor6"), DailyTime::Field::Hour, 12, QRect(200, kDailyTop, 48, 24));
    m_timeSeparator = AddLabel(QStringLiteral("Label5"), QStringLiteral(":"), { 252, kDailyTop + 4 });
    m_minute = AddTimeEditor(QStringLiteral("SpinEditor5"), DailyTime::Field::Minute, 0, QRect(260, kDailyTop, 48, 24));
    for (QWidget* daily :
        { static_cast<QWidget*>(m_hour), static_cast<QWidget*>(m_timeSeparator), static_cast<QWidget*>(m_minute) }) {
        daily->hide();
    }
}

QLabel* ScheduleSettingsPage::AddLabel(const QString& name, const QString& text, QPoint place)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->adjustSize();
    label->move(place);
    return label;
}

DailyTimeEditor* ScheduleSettingsPage::AddTimeEditor(
    const QString& name, DailyTime::Field field, int value, const QRect& place)
{
    auto* editor = new DailyTimeEditor(field, this);
    editor->setObjectName(name);
    editor->setValue(value);
    editor->setGeometry(place);
    return editor;
}
