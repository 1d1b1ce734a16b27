#pragma once

#include "base/Prompts.h"

#include <QList>
#include <QString>

// Prompts that answer from a script. A test queues the prompts it expects, in order, with
// the user's answer to each; every prompt shown is recorded with its text. A prompt that
// was not expected (or not of the expected kind) is answered "No/closed/cancelled" and
// reported, as is an expected answer left unused.
class ScriptedPrompts final : public Prompts {
public:
    enum class Kind { Confirm, Information, Error, OpenFile, SaveFile, Choose };

    struct Shown {
        Kind kind;
        QString text; // the message, or the dialog's title
        QString folder; // the file dialog's folder
        QString filter; // the file dialog's filter
        bool noByDefault = false; // a confirmation before something that cannot be undone
        QStringList options; // the list of a choice
    };

    ScriptedPrompts& ExpectConfirm(bool yes);
    ScriptedPrompts& ExpectInformation(bool ok = true);
    ScriptedPrompts& ExpectError(bool ok = true);
    ScriptedPrompts& ExpectOpenFile(const QString& chosenPath);
    ScriptedPrompts& ExpectSaveFile(const QString& chosenPath);
    // The user picks the option with this text (or cancels, for an empty one).
    ScriptedPrompts& ExpectChoose(const QString& option);

    bool Confirm(const QString& text) override;
    bool ConfirmIrreversible(const QString& text) override;
    bool Information(const QString& text) override;
    bool Error(const QString& text) override;
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override;
    int Choose(const QString& text, const QStringList& options) override;

    const QList<Shown>& ShownPrompts() const { return m_shown; }
    // The prompt shown n-th (from 0); one that never came reads as a prompt of no kind whose
    // text says so, so a check of it fails as an ordinary comparison instead of a crash.
    Shown Prompt(int n) const;
    QString LastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    // True when every expected prompt was shown and nothing unexpected was.
    bool Finished() const { return m_problems.isEmpty() && m_script.isEmpty(); }
    // What went wrong, for the test's failure message.
    QString Report() const;

private:
    struct Answer {
        Kind kind;
        bool accept = false;
        QString path;
    };
    const Answer* Next(Kind kind, const QString& text);

    QList<Answer> m_script;
    Answer m_current;
    QList<Shown> m_shown;
    QStringList m_problems;
};

#define VERIFY_PROMPTS(prompts) QVERIFY2((prompts).Finished(), qPrintable((prompts).Report()))
