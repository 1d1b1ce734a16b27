#pragma once

#include <QString>
#include <QStringList>

// The modal questions and notices of the program, and the file dialogs. Windows ask
// through this seam so that tests can script the user's answers.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A Yes/No question; true only when the user pressed Yes.
    virtual bool Confirm(const QString& text) = 0;
    // The same question before something that cannot be undone: No is the default button,
    // so Enter or a hasty click keeps things as they are.
    virtual bool ConfirmIrreversible(const QString& text) = 0;
    // An information box with OK; true when OK was pressed (not the close box or Escape).
    virtual bool Information(const QString& text) = 0;
    // An error box with OK; true when OK was pressed (not the close box or Escape).
    virtual bool Error(const QString& text) = 0;
    // The file-open dialog; the chosen file's full path, or an empty text when cancelled.
    virtual QString OpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    // The file-save dialog; the chosen path, or an empty text when cancelled. It does not
    // ask about replacing an existing file: the command asks, through Confirm, when it must.
    virtual QString SaveFile(const QString& title, const QString& folder, const QString& filter) = 0;
    // A question answered by picking one of the options from a list (the first shown
    // chosen); the option's index, or -1 when the user cancelled. Prompts that answer
    // without a user cancel.
    virtual int Choose(const QString& text, const QStringList& options)
    {
        Q_UNUSED(text);
        Q_UNUSED(options);
        return -1;
    }
};
