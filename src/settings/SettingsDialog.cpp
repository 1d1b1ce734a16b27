#include "settings/SettingsDialog.h"

#include "settings/InterfaceSettingsPage.h"
#include "settings/LearningSettingsPage.h"
#include "settings/ScheduleSettingsPage.h"

#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr QSize kButtonSize { 75, 25 };
constexpr int kButtonTop = 384;

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Настройки"));
    setFixedSize(kClientSize);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("XPPageControl1"));
    m_pages->setGeometry(8, 8, 365, 366);
    m_learning = new LearningSettingsPage;
    m_schedule = new ScheduleSettingsPage;
    m_pages->addTab(m_learning, QStringLiteral("Обучение"));
    m_pages->addTab(m_schedule, QStringLiteral("Расписание"));
    m_interface = new InterfaceSettingsPage;
    m_pages->addTab(m_interface, QStringLiteral("Интерфейс"));

    m_ok = new QPushButton(QStringLiteral("Ок"), this);
    m_ok->setObjectName(QStringLiteral("Button2"));
    m_ok->setGeometry(QRect(QPoint(214, kButtonTop), kButtonSize));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Отмена"), this);
    m_cancel->setObjectName(QStringLiteral("Button1"));
    m_cancel->setGeometry(QRect(QPoint(298, kButtonTop), kButtonSize));
    // Cancel keeps nothing of the edits: the controls are loaded afresh at each opening.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}
