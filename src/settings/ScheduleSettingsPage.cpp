#include "settings/ScheduleSettingsPage.h"

#include "settings/DailyTimeEditor.h"
#include "settings/SpinEditor.h"
#include "ui/ClickableLabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int kLargestInterval = 65535;
constexpr int kModeLeft = 32;
constexpr int kCaptionGap = 4;
// Right of the longer mode caption in either language.
constexpr int kEditorLeft = 216;
constexpr int kEditorHeight = 24;
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
    m_duringDay = AddModeButton(QStringLiteral("XPRadioButton1"), kDuringDayTop);
    m_duringDay->setChecked(true);
    m_intervalLabel = AddModeCaption(QStringLiteral("Label7"), QStringLiteral("В течении дня, каждые:"), m_duringDay);
    m_interval = AddSpinEditor(this, QStringLiteral("SpinEditor4"), 1, kLargestInterval, 120,
        QRect(kEditorLeft, kDuringDayTop, 60, kEditorHeight));
    m_intervalUnit
        = AddLabel(QStringLiteral("Label6"), QStringLiteral("мин."), { kEditorLeft + 66, kDuringDayTop + 4 });
}

void ScheduleSettingsPage::AddDailyControls()
{
    m_daily = AddModeButton(QStringLiteral("XPRadioButton2"), kDailyTop);
    m_dailyLabel = AddModeCaption(QStringLiteral("Label8"), QStringLiteral("Ежедневно, в:"), m_daily);
    m_hour = AddTimeEditor(
        QStringLiteral("SpinEditor6"), DailyTime::Field::Hour, 12, QRect(kEditorLeft, kDailyTop, 48, kEditorHeight));
    m_timeSeparator = AddLabel(QStringLiteral("Label5"), QStringLiteral(":"), { kEditorLeft + 52, kDailyTop + 4 });
    m_minute = AddTimeEditor(QStringLiteral("SpinEditor5"), DailyTime::Field::Minute, 0,
        QRect(kEditorLeft + 60, kDailyTop, 48, kEditorHeight));
}

QRadioButton* ScheduleSettingsPage::AddModeButton(const QString& name, int top)
{
    // No text of its own: the language files give the caption to the label beside it.
    auto* button = new QRadioButton(this);
    button->setObjectName(name);
    button->resize(button->sizeHint());
    button->move(kModeLeft, top + (kEditorHeight - button->height()) / 2);
    return button;
}

QLabel* ScheduleSettingsPage::AddModeCaption(const QString& name, const QString& text, QRadioButton* button)
{
    auto* caption = new ClickableLabel(this);
    caption->setObjectName(name);
    caption->setText(text);
    caption->adjustSize();
    caption->move(
        button->geometry().right() + 1 + kCaptionGap, button->y() + (button->height() - caption->height()) / 2);
    // A click on the caption does what a click on its button does (nothing while disabled).
    connect(caption, &ClickableLabel::clicked, button, &QRadioButton::click);
    return caption;
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
