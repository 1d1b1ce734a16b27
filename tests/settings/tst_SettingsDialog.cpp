#include "support/LanguageCoverage.h"

#include "i18n/LanguageTable.h"
#include "settings/LearningSettingsPage.h"
#include "settings/ScheduleSettingsPage.h"
#include "settings/SettingsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

QWidget* Named(QWidget* window, const QString& name)
{
    return window->findChild<QWidget*>(name);
}

void ApplyLanguage(SettingsDialog& dialog, const QString& language)
{
    LanguageTable table(LanguageCoverage::DataFolder());
    table.ApplyLanguage("form5", language, &dialog);
}

// The right edge of a widget in the coordinates of its page.
int RightEdge(const QWidget* widget, const QWidget* page)
{
    return widget->mapTo(page, QPoint(widget->width(), 0)).x();
}

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageFilesReachEveryComponent_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("russian") << "russian";
        QTest::newRow("english") << "english";
    }

    void languageFilesReachEveryComponent()
    {
        QFETCH(QString, language);
        QVERIFY(LanguageCoverage::ComponentEntryCount("form5", language) >= 20);
        SettingsDialog dialog;
        const QStringList misses = LanguageCoverage::Misses(&dialog, "form5", language);
        QVERIFY2(misses.isEmpty(), qPrintable(misses.join("; ")));
    }

    void dialogIsFixedWithCloseBoxOnly()
    {
        SettingsDialog dialog;
        QCOMPARE(dialog.objectName(), QString("Form5"));
        QCOMPARE(dialog.size(), QSize(381, 418));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        // Everything lies inside the client area.
        for (QWidget* child :
            { Named(&dialog, "XPPageControl1"), Named(&dialog, "Button1"), Named(&dialog, "Button2") }) {
            QVERIFY2(dialog.rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
        QCOMPARE(dialog.OkButton()->text(), QString("Ок"));
        QCOMPARE(dialog.CancelButton()->text(), QString("Отмена"));
    }

    void pagesAreTheTabsOfThePageControl()
    {
        SettingsDialog dialog;
        QTabWidget* pages = dialog.Pages();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->widget(0)->objectName(), QString("XPTabSheet1"));
        QCOMPARE(pages->widget(1)->objectName(), QString("XPTabSheet2"));
        QCOMPARE(pages->widget(2)->objectName(), QString("XPTabSheet3"));
        QCOMPARE(pages->currentIndex(), 0);
        ApplyLanguage(dialog, "english");
        QCOMPARE(pages->tabText(0), QString("Learning"));
        QCOMPARE(pages->tabText(1), QString("Schedule"));
        QCOMPARE(pages->tabText(2), QString("Interface"));
        QCOMPARE(dialog.windowTitle(), QString("Settings"));
        QCOMPARE(dialog.Learning()->ExerciseGroup()->title(), QString(" Exercises "));
    }

    void exerciseBoxesFollowTheirExercises()
    {
        SettingsDialog dialog;
        LearningSettingsPage* page = dialog.Learning();
        const std::pair<ExerciseKind, const char*> names[]
            = { { ExerciseKind::associaciya, "XPCheckBox1" }, { ExerciseKind::mozaika, "XPCheckBox2" },
                  { ExerciseKind::vibor_perevoda, "XPCheckBox3" }, { ExerciseKind::vspomnit, "XPCheckBox4" },
                  { ExerciseKind::perevod, "XPCheckBox5" }, { ExerciseKind::para, "XPCheckBox7" } };
        for (const auto& [kind, name] : names) {
            QCOMPARE(page->ExerciseCheckBox(kind)->objectName(), QString(name));
            QCOMPARE(page->ExerciseCheckBox(kind)->parentWidget(), page->ExerciseGroup());
        }
        QCOMPARE(page->ExerciseGroup()->title(), QString(" Упражнения "));
    }

    void languageSetsTheRunningExercisesInOneColumn_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("russian") << "russian";
        QTest::newRow("english") << "english";
        QTest::newRow("no language file") << "klingon";
    }

    void languageSetsTheRunningExercisesInOneColumn()
    {
        QFETCH(QString, language);
        SettingsDialog dialog;
        ApplyLanguage(dialog, language);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        LearningSettingsPage* page = dialog.Learning();
        const ExerciseKind column[]
            = { ExerciseKind::vibor_perevoda, ExerciseKind::para, ExerciseKind::vspomnit, ExerciseKind::perevod };
        int top = 24;
        for (ExerciseKind kind : column) {
            QCheckBox* box = page->ExerciseCheckBox(kind);
            QVERIFY2(box->isVisible(), qPrintable(box->objectName()));
            QCOMPARE(box->pos(), QPoint(32, top));
            // The whole caption fits: neither clipped by the group nor by its own width.
            QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->text()));
            QVERIFY(page->ExerciseGroup()->rect().contains(box->geometry()));
            top += 24;
        }
        QVERIFY(!page->ExerciseCheckBox(ExerciseKind::associaciya)->isVisible());
        QVERIFY(!page->ExerciseCheckBox(ExerciseKind::mozaika)->isVisible());
    }

    void translatedCaptionsKeepClearOfTheirEditors_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("russian") << "russian";
        QTest::newRow("english") << "english";
    }

    void translatedCaptionsKeepClearOfTheirEditors()
    {
        QFETCH(QString, language);
        SettingsDialog dialog;
        ApplyLanguage(dialog, language);
        LearningSettingsPage* learning = dialog.Learning();
        const std::pair<const char*, QSpinBox*> rows[] = { { "Label1", learning->ThresholdEditor() },
            { "Label2", learning->BlockSizeEditor() }, { "Label3", learning->PopupDelayEditor() } };
        for (const auto& [name, editor] : rows) {
            auto* label = qobject_cast<QLabel*>(Named(&dialog, name));
            QVERIFY(label->wordWrap());
            QVERIFY2(RightEdge(label, learning) <= editor->x(), name);
            // The wrapped caption needs no more lines than its box holds.
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
        auto* seconds = qobject_cast<QLabel*>(Named(&dialog, "Label4"));
        QVERIFY(learning->PopupDelayEditor()->x() + learning->PopupDelayEditor()->width() <= seconds->x());
        QVERIFY(RightEdge(seconds, learning) <= dialog.Pages()->width() - 4);

        ScheduleSettingsPage* schedule = dialog.Schedule();
        QLabel* dailyLabel = schedule->DailyLabel();
        const std::pair<QAbstractButton*, QLabel*> modes[]
            = { { schedule->DuringDayButton(), schedule->IntervalLabel() }, { schedule->DailyButton(), dailyLabel } };
        for (const auto& [button, caption] : modes) {
            QVERIFY(RightEdge(button, schedule) <= caption->x());
            QVERIFY2(RightEdge(caption, schedule) < schedule->IntervalEditor()->x(), qPrintable(caption->text()));
        }
        QVERIFY(schedule->IntervalEditor()->x() + schedule->IntervalEditor()->width()
            <= schedule->IntervalUnitLabel()->x());
        QCOMPARE(schedule->HourEditor()->x(), schedule->IntervalEditor()->x());
        QVERIFY(RightEdge(schedule->MinuteEditor(), schedule) <= dialog.Pages()->width() - 4);
        QVERIFY(schedule->ScheduleCheckBox()->width() >= schedule->ScheduleCheckBox()->sizeHint().width());

        // No text of the other language: every text shown on the dialog comes from the file.
        const bool russian = language == "russian";
        const QRegularExpression otherLetters(russian ? "[A-Za-z]" : "[А-Яа-яЁё]");
        for (auto* button : dialog.findChildren<QAbstractButton*>()) {
            QVERIFY2(
                !button->isVisibleTo(&dialog) || !button->text().contains(otherLetters), qPrintable(button->text()));
        }
        for (auto* label : dialog.findChildren<QLabel*>()) {
            QVERIFY2(!label->isVisibleTo(&dialog) || !label->text().contains(otherLetters), qPrintable(label->text()));
        }
    }

    void editorRanges()
    {
        SettingsDialog dialog;
        // A block has at most 8 cards, one per option row of the exercises.
        QCOMPARE(dialog.Learning()->BlockSizeEditor()->minimum(), 2);
        QCOMPARE(dialog.Learning()->BlockSizeEditor()->maximum(), 8);
        QCOMPARE(dialog.Learning()->ThresholdEditor()->minimum(), 1);
        // The daily editors reach one step past both ends, so that stepping can wrap round.
        ScheduleSettingsPage* schedule = dialog.Schedule();
        QCOMPARE(schedule->MinuteEditor()->objectName(), QString("SpinEditor5"));
        QCOMPARE(schedule->MinuteEditor()->minimum(), -1);
        QCOMPARE(schedule->MinuteEditor()->maximum(), 60);
        QCOMPARE(schedule->HourEditor()->objectName(), QString("SpinEditor6"));
        QVERIFY(schedule->HourEditor()->minimum() <= -1 && schedule->HourEditor()->maximum() >= 24);
    }

    void dailyTimeIsSetWithTheArrowsOnly()
    {
        SettingsDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ScheduleSettingsPage* schedule = dialog.Schedule();
        for (QSpinBox* editor : { schedule->HourEditor(), schedule->MinuteEditor() }) {
            editor->show();
            const int before = editor->value();
            QTest::keyClicks(editor, "7");
            QTest::keyClick(editor, Qt::Key_Backspace);
            QCOMPARE(editor->value(), before);
            QTest::keyClick(editor, Qt::Key_Up);
            QCOMPARE(editor->value(), before + 1);
        }
        // The interval editor is typed into as usual.
        QSpinBox* interval = schedule->IntervalEditor();
        interval->selectAll();
        QTest::keyClicks(interval, "45");
        QCOMPARE(interval->value(), 45);
    }

    void bothModesAreChosenInOneGroup()
    {
        SettingsDialog dialog;
        dialog.Pages()->setCurrentIndex(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ScheduleSettingsPage* schedule = dialog.Schedule();
        QLabel* dailyLabel = schedule->DailyLabel();
        QCOMPARE(dailyLabel->objectName(), QString("Label8"));
        for (QWidget* shown : std::initializer_list<QWidget*> { schedule->DuringDayButton(), schedule->IntervalLabel(),
                 schedule->DailyButton(), dailyLabel, schedule->HourEditor(), schedule->TimeSeparatorLabel(),
                 schedule->MinuteEditor() }) {
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        }
        QVERIFY(schedule->DuringDayButton()->isChecked());
        // A click on a mode's caption selects it, as a click on its button does.
        QTest::mouseClick(dailyLabel, Qt::LeftButton);
        QVERIFY(schedule->DailyButton()->isChecked());
        QVERIFY(!schedule->DuringDayButton()->isChecked());
        QTest::mouseClick(schedule->IntervalLabel(), Qt::LeftButton);
        QVERIFY(schedule->DuringDayButton()->isChecked());
        schedule->DailyButton()->setEnabled(false);
        QTest::mouseClick(dailyLabel, Qt::LeftButton);
        QVERIFY(schedule->DuringDayButton()->isChecked());
    }

    void cancelClosesWithoutAccepting()
    {
        SettingsDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_SettingsDialog.moc"
