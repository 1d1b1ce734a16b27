#pragma once

#include "base/Prompts.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

// Prompts shown with QMessageBox and QFileDialog, owned by the given window.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr);

    void SetOwner(QWidget* owner) { m_owner = owner; }

    bool Confirm(const QString& text) override;
    bool ConfirmIrreversible(const QString& text) override;
    bool Information(const QString& text) override;
    bool Error(const QString& text) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override;
    int Choose(const QString& text, const QStringList& options) override;

private:
    QWidget* Owner() const;
    bool AskYesNo(const QString& text, QMessageBox::StandardButton byDefault);
    QPointer<QWidget> m_owner;
};
