#pragma once

#include "support/DictionaryBuilder.h"
#include "support/DictionaryProbe.h"
#include "support/TestProgram.h"

#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "base/EventPump.h"
#include "base/Prompts.h"
#include "base/Services.h"
#include "i18n/LanguageTable.h"
#include "learning/LearningWindow.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

// Counts the pauses like CountingEventPump, and lets a test look at the window (or act)
// at the moment the program pauses. With `real` set, the pauses also run for real.
class ProbeEventPump final : public EventPump {
public:
    void ProcessPendingEvents() override
    {
        ++processed;
        if (onProcess) {
            onProcess();
        }
        if (real != nullptr) {
            real->ProcessPendingEvents();
        }
    }
    void Hold(int milliseconds) override
    {
        holds.append(milliseconds);
        if (onHold) {
            onHold();
        }
        if (real != nullptr) {
            real->Hold(milliseconds);
        }
    }
    void EndHold() override
    {
        ++holdsEnded;
        if (real != nullptr) {
            real->EndHold();
        }
    }

    EventPump* real = nullptr;

    int processed = 0;
    QList<int> holds;
    int holdsEnded = 0;
    std::function<void()> onProcess;
    std::function<void()> onHold;
};

// The scripted prompts, with a look at the windows as each box would appear.
class WatchingPrompts final : public Prompts {
public:
    explicit WatchingPrompts(ScriptedPrompts& inner)
        : m_inner(inner)
    {
    }

    bool Confirm(const QString& text) override { return Watch(), m_inner.Confirm(text); }
    bool ConfirmIrreversible(const QString& text) override { return Watch(), m_inner.ConfirmIrreversible(text); }
    bool Information(const QString& text) override { return Watch(), m_inner.Information(text); }
    bool Error(const QString& text) override { return Watch(), m_inner.Error(text); }
    QString OpenFile(const QString& title, const QString& folder, const QString& filter) override
    {
        return m_inner.OpenFile(title, folder, filter);
    }
    QString SaveFile(const QString& title, const QString& folder, const QString& filter) override
    {
        return m_inner.SaveFile(title, folder, filter);
    }

    std::function<void()> onPrompt;

private:
    void Watch()
    {
        if (onPrompt) {
            onPrompt();
        }
    }
    ScriptedPrompts& m_inner;
};

// The notices of all four exercises already shown.
inline const QByteArray kNoticesShown = "[Notify]\nVibor_perevoda=1\nPara=1\nVspomnit=1\nPerevod=1\n";

// The whole program over a dictionary, its main window on screen.
struct Running {
    TestProgram program;
    ProbeEventPump events;
    WatchingPrompts prompts { program.prompts };
    Services services { prompts, program.clock, program.random, program.shell, events, program.speech };
    QString dictionary;
    std::unique_ptr<GlossmereApp> app;

    // `main` holds lines of section Main; `rest` the sections after it.
    Running(const DictionaryBuilder& cards, const QByteArray& main, const QByteArray& rest = kNoticesShown,
        const QByteArray& language = "russian")
    {
        dictionary = cards.Write(program.paths.ExeFolder + "Dicts/cards.dat");
        program.WriteSettings(
            "[Main]\nLanguage=" + language + "\nKol starts=1\nDict=" + dictionary.toUtf8() + "\n" + main + "\n" + rest);
        app = std::make_unique<GlossmereApp>(program.paths, services, program.tray);
        app->SetModalRunner([](QDialog&) {});
        app->Start();
        app->Main()->show();
    }

    MainWindow* Main() const { return app->Main(); }
    LearningWindow* Window() const { return app->Learning(); }
    QString Message(const QString& key) const { return app->Texts().LookupMessage(key); }
    template <class T = QWidget> T* Find(const QString& name) const
    {
        T* widget = Window()->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", qPrintable(name));
        }
        return widget;
    }

    // "Режим заучивания" in the main window.
    void StartLearning() const
    {
        QTest::mouseClick(Main()->findChild<QToolButton*>("LMDSpeedButton3"), Qt::LeftButton);
    }
    // "Режим ознакомления" in the learning window.
    void BackToFamiliarization() const { QTest::mouseClick(Find<QToolButton>("LMDSpeedButton3"), Qt::LeftButton); }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // The visible label among `prefix`1..8 that shows `text`; fails the test when none does.
    QLabel* LabelShowing(const QString& prefix, const QString& text) const
    {
        for (int n = 1; n <= 8; ++n) {
            auto* label = Find<QLabel>(prefix + QString::number(n));
            if (label->isVisible() && label->text() == text) {
                return label;
            }
        }
        qFatal("no label %s showing %s", qPrintable(prefix), qPrintable(text));
    }
    int VisibleLabels(const QString& prefix) const
    {
        int visible = 0;
        for (int n = 1; n <= 8; ++n) {
            visible += Find<QLabel>(prefix + QString::number(n))->isVisible() ? 1 : 0;
        }
        return visible;
    }
    void ChooseOption(const QString& translation) const { Click(LabelShowing("label_translation2_", translation)); }
    void MatchPair(const QString& word, const QString& translation) const
    {
        Click(LabelShowing("word_left", word));
        Click(LabelShowing("word_right", translation));
    }
    // The word the choice (Panel2) or recall/typed (Panel3) question asks, without its marker.
    QString AskedWord() const
    {
        const QString caption = Find<QWidget>("Panel2")->isVisible() ? Find<QLabel>("TntLabel1")->text()
                                                                     : Find<QLabel>("Label_vspomnit")->text();
        return caption.section(' ', 0, 0);
    }
    QString VisiblePanel() const
    {
        for (const char* name : { "Panel1", "Panel2", "Panel3", "Panel4" }) {
            if (Find<QWidget>(name)->isVisible()) {
                return name;
            }
        }
        return {};
    }
    // Pairs of visible controls of the shown panel (and of the answer popup) where a text
    // runs over a line or another control, as "name/name"; empty when every text keeps clear.
    QStringList Overlaps() const
    {
        QStringList overlaps;
        QList<QWidget*> groups { Find<QWidget>(VisiblePanel()) };
        if (Find<QWidget>("Panel_popup")->isVisible()) {
            groups << Find<QWidget>("Panel_popup");
        }
        for (QWidget* group : groups) {
            QList<QWidget*> shown;
            for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isVisible()) {
                    shown << child;
                }
            }
            for (int i = 0; i < shown.size(); ++i) {
                for (int j = i + 1; j < shown.size(); ++j) {
                    const bool text = qobject_cast<QLabel*>(shown[i]) || qobject_cast<QLabel*>(shown[j]);
                    if (text && shown[i]->geometry().intersects(shown[j]->geometry())) {
                        overlaps << shown[i]->objectName() + "/" + shown[j]->objectName();
                    }
                }
                if (!group->rect().contains(shown[i]->geometry())) {
                    overlaps << shown[i]->objectName() + " leaves " + group->objectName();
                }
            }
        }
        return overlaps;
    }
    QString ExerciseStatus() const { return Find<QLabel>("StatusPanel0")->text(); }
    QString OverallStatus() const { return Find<QLabel>("StatusPanel1")->text(); }
    QString Percent(const char* key, int value) const
    {
        return Message(QStringLiteral("form4_message_%1").arg(key)) + QStringLiteral(" %1%").arg(value);
    }
    QStringList Column(const char* column) const { return DictionaryProbe::Column(dictionary, column); }
    // The history of learning in the file: "day learned right wrong sessions", days joined by "; ".
    QString History() const
    {
        return DictionaryProbe::Query(dictionary,
            "SELECT group_concat(day || ' ' || learned || ' ' || right_answers || ' ' || wrong_answers || ' ' || "
            "sessions, '; ') FROM (SELECT * FROM history ORDER BY day)");
    }
};
