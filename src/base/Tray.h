#pragma once

#include <QObject>

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
