#pragma once

#include "base/Tray.h"

#include <memory>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon of the desktop, with its menu.
class SystemTray final : public Tray {
    Q_OBJECT

public:
    explicit SystemTray(QObject* parent = nullptr);
    ~SystemTray() override;

    bool IsAvailable() const override;
    bool IsShown() const override;
    void ShowIcon() override;
    void HideIcon() override;
    void SetTexts(const Texts& texts) override;

private:
    std::unique_ptr<QMenu> m_menu; // a widget cannot be the child of the icon's QObject
    QSystemTrayIcon* m_icon;
};
