#include "ui/SystemTray.h"
#include "ui/ProgramPictures.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

SystemTray::SystemTray(QObject* parent)
    : Tray(parent)
    , m_menu(std::make_unique<QMenu>())
    , m_icon(new QSystemTrayIcon(this))
{
    EnsureProgramPictures();
    m_icon->setIcon(QIcon(QStringLiteral(":/images/glossmere-256.png")));
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    connect(m_menu->addAction(QStringLiteral("Открыть")), &QAction::triggered, this, &Tray::OpenRequested);
    connect(m_menu->addAction(QStringLiteral("Настройки")), &QAction::triggered, this, &Tray::SettingsRequested);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Выход")), &QAction::triggered, this, &Tray::ExitRequested);
    m_icon->setObjectName(QStringLiteral("RxTrayIcon1"));
    m_icon->setToolTip(QStringLiteral("Glossmere"));
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
            Q_EMIT OpenRequested();
        }
    });
}

SystemTray::~SystemTray() = default;

void SystemTray::SetTexts(const Texts& texts)
{
    Tray::SetTexts(texts);
    const QList<QAction*> items = m_menu->actions(); // Open, Settings, a separator, Exit
    const QString* captions[] = { &texts.Open, &texts.Settings, nullptr, &texts.Exit };
    for (int i = 0; i < items.size() && i < 4; ++i) {
        if (captions[i] != nullptr && !captions[i]->isEmpty()) {
            items[i]->setText(*captions[i]);
        }
    }
    if (!texts.Hint.isEmpty()) {
        m_icon->setToolTip(texts.Hint);
    }
}

bool SystemTray::IsAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool SystemTray::IsShown() const
{
    return m_icon->isVisible();
}

void SystemTray::ShowIcon()
{
    m_icon->show();
}

void SystemTray::HideIcon()
{
    m_icon->hide();
}
