#pragma once

#include "base/AppPaths.h"
#include "base/Random.h"
#include "base/Services.h"
#include "support/FakeSeams.h"
#include "support/FakeTray.h"
#include "support/ScriptedPrompts.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A program's surroundings in a fresh temporary folder: a data folder holding the shipped
// language files, the settings template and a Dicts/ folder; a per-user configuration
// folder; and scripted seams.
struct TestProgram {
    QTemporaryDir root;
    AppPaths paths;
    ScriptedPrompts prompts;
    FakeClock clock;
    Random random { clock };
    RecordingShell shell;
    CountingEventPump events;
    FakeSpeech speech;
    Services services { prompts, clock, random, shell, events, speech };
    FakeTray tray;

    TestProgram();

    // Writes the per-user settings file.
    void WriteSettings(const QByteArray& text) const;
    QString Setting(const QString& section, const QString& key) const;
    // A dictionary in the data folder's Dicts/ (see the status letters of DictionaryPattern).
    QString MakeDictionary(const QString& name, const QString& pattern) const;
    // The statuses and marks in a dictionary file, in the same letters.
    QString DictionaryPattern(const QString& path);
};
