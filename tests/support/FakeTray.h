#pragma once

#include "base/Tray.h"

// A notification area the test controls: available or not, and whether the icon shows.
class FakeTray final : public Tray {
    Q_OBJECT

public:
    explicit FakeTray(bool available = true)
        : m_available(available)
    {
    }

    bool IsAvailable() const override { return m_available; }
    bool IsShown() const override { return m_shown; }
    void ShowIcon() override { m_shown = true; }
    void HideIcon() override { m_shown = false; }

    void DoubleClick() { Q_EMIT OpenRequested(); }

private:
    bool m_available;
    bool m_shown = false;
};
