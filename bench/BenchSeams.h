#pragma once

#include "base/EventPump.h"
#include "base/Prompts.h"
#include "browser/CardBrowser.h"

// The seams the store and the browser need, doing nothing, so that only their own work is
// timed. No prompt is expected while measuring: every one is refused.
class RefusingPrompts final : public Prompts {
public:
    bool Confirm(const QString&) override { return false; }
    bool ConfirmIrreversible(const QString&) override { return false; }
    bool Information(const QString&) override { return false; }
    bool Error(const QString&) override { return false; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

class NullCardView final : public CardView {
public:
    void ShowCardTexts(const QString&, const QString&, const QString&) override { }
    void ShowPositionText(const QString&) override { }
    void ShowLearnedText(const QString&) override { }
};

class IdleEventPump final : public EventPump {
public:
    void ProcessPendingEvents() override { }
    void Hold(int) override { }
    void EndHold() override { }
};
