#pragma once

#include "base/Prompts.h"

#include <QPointer>
#include <QWidget>

// Prompts shown with QMessageBox and QFileDialog, owned by the given window.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr);

    void SetOwner(QWidget* owner) { m_owner = owner; }

    bool Confirm(const QString& text) override;
    bool Information(const QString& text) override;
    bool Error(const QString& text) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;

private:
    QWidget* Owner() const;
    QPointer<QWidget> m_owner;
};
