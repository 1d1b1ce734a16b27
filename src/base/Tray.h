#pragma once

#include <QObject>
#include <QString>

// The notification-area icon the program hides in when minimized, with its menu. Where the
// desktop has no notification area, IsAvailable is false and minimizing stays an ordinary
// minimize, so the program can always be brought back.
class Tray : public QObject {
    Q_OBJECT

public:
    // The texts of the menu's three items and of the icon's tool tip, in the interface's
    // language; empty ones keep what the icon shows.
    struct Texts {
        QString Open;
        QString Settings;
        QString Exit;
        QString Hint;
    };

    using QObject::QObject;

    virtual void SetTexts(const Texts& texts) { m_texts = texts; }
    const Texts& CurrentTexts() const { return m_texts; }

    virtual bool IsAvailable() const = 0;
    virtual bool IsShown() const = 0;
    virtual void ShowIcon() = 0;
    virtual void HideIcon() = 0;

Q_SIGNALS:
    void OpenRequested(); // "Открыть" or a double click
    void SettingsRequested(); // "Настройки"
    void ExitRequested(); // "Выход"

private:
    Texts m_texts;
};
