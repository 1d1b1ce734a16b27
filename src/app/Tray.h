#pragma once

#include <QObject>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon the program hides in when minimized. Its menu texts are
// never localized. Where the desktop has no notification area, IsAvailable is false and
// minimizing stays an ordinary minimize, so the program can always be brought back.
class Tray : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool IsAvailable() const = 0;
    virtual bool IsShown() const = 0;
    virtual void ShowIcon() = 0;
    virtual void HideIcon() = 0;

Q_SIGNALS:
    void OpenRequested(); // "Открыть" or a double click
    void SettingsRequested(); // "Настройки"
    void ExitRequested(); // "Выход"
};

class SystemTray final : public Tray {
    Q_OBJECT

public:
    explicit SystemTray(QObject* parent = nullptr);
    ~SystemTray() override;

    bool IsAvailable() const override;
    bool IsShown() const override;
    void ShowIcon() override;
    void HideIcon() override;

private:
    QMenu* m_menu;
    QSystemTrayIcon* m_icon;
};
