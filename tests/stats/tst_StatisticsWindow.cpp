#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "stats/MaintenanceCommands.h"
#include "stats/StatisticsWindow.h"
#include "store/DictionaryStore.h"
#include "support/TestProgram.h"
#include "ui/ShareBar.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

class TestStatisticsWindow : public QObject {
    Q_OBJECT

private:
    // The program over one dictionary, its statistics window filled as the menu command fills it.
    struct Shown {
        TestProgram program;
        std::unique_ptr<GlossmereApp> app;

        Shown(const QString& pattern, const QByteArray& language)
        {
            const QString dictionary = program.MakeDictionary("cards.dat", pattern);
            program.WriteSettings("[Main]\nLanguage=" + language + "\nDict=" + dictionary.toUtf8() + "\n");
            app = std::make_unique<GlossmereApp>(program.paths, program.services, program.tray);
            app->SetModalRunner([](QDialog&) {});
            app->Start();
            app->Main()->Maintenance().ShowStatistics();
        }
        StatisticsWindow* Window() const { return app->Statistics(); }
        ShareBar* Shares() const { return Window()->findChild<ShareBar*>("ShareBar1"); }
        template <class T = QWidget> T* Find(const char* name) const
        {
            T* widget = Window()->findChild<T*>(name);
            if (widget == nullptr) {
                qFatal("no widget %s", name);
            }
            return widget;
        }
        // The history written into the open dictionary, and the window shown again over it.
        void ShowHistory(std::initializer_list<HistoryDay> days)
        {
            for (const HistoryDay& day : days) {
                app->Store().AddToHistory(day);
            }
            app->Main()->Maintenance().ShowStatistics();
            Window()->show();
        }
    };

private Q_SLOTS:
    void pictureOfAKnownDictionary_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("legend");
        QTest::newRow("english") << QByteArray("english")
                                 << QStringList { "Not seen yet: 3 (43%)", "In learning: 1 (14%)", "Learned: 2 (29%)",
                                        "Removed from learning: 1 (14%)" };
        QTest::newRow("russian") << QByteArray("russian")
                                 << QStringList { "Ещё не показаны: 3 (43 %)", "В изучении: 1 (14 %)",
                                        "Выучены: 2 (29 %)", "Удалены из обучения: 1 (14 %)" };
    }
    void pictureOfAKnownDictionary()
    {
        QFETCH(QByteArray, language);
        QFETCH(QStringList, legend);
        Shown s("L*DDI...", language);
        ShareBar* shares = s.Shares();
        QVERIFY(shares);
        QCOMPARE(shares->LegendLines(), legend);
        // The four figures stay as they were.
        QCOMPARE(s.Window()->Figure(0), QString("7"));
        QCOMPARE(s.Window()->Figure(1), QString("3"));
        QCOMPARE(s.Window()->Figure(2), QString("2"));
        QCOMPARE(s.Window()->Figure(3), QString("1"));
        // The segments follow the counts 3, 1, 2, 1, in that order.
        const std::vector<int> widths = shares->SegmentWidths(shares->width() - 1);
        QCOMPARE(widths.size(), size_t(4));
        QVERIFY(qAbs(widths[0] - 3 * widths[1]) <= 2);
        QVERIFY(qAbs(widths[2] - 2 * widths[3]) <= 2);
        QVERIFY(qAbs(widths[1] - widths[3]) <= 1);
        // The picture stands below the figures, wholly inside the window, its legend uncut.
        auto* figures = s.Window()->findChild<QGroupBox*>("XPGroupBox1");
        QVERIFY(shares->geometry().top() > figures->geometry().bottom());
        QVERIFY(s.Window()->rect().contains(shares->geometry()));
        QVERIFY(shares->width() >= shares->sizeHint().width());
        QCOMPARE(shares->height(), shares->sizeHint().height());
    }

    void emptyDictionaryShowsAnEmptyBar()
    {
        Shown s("", "english");
        QCOMPARE(s.Shares()->LegendLines(),
            QStringList(
                { "Not seen yet: 0 (0%)", "In learning: 0 (0%)", "Learned: 0 (0%)", "Removed from learning: 0 (0%)" }));
        QCOMPARE(s.Shares()->SegmentWidths(s.Shares()->width()), (std::vector<int> { 0, 0, 0, 0 }));
        QVERIFY(!s.Window()->grab().isNull());
    }

    void figuresFollowTheCardsBetweenShowings()
    {
        Shown s("L*.D", "english");
        QCOMPARE(s.Shares()->LegendLines().at(2), QString("Learned: 1 (33%)"));
        s.program.prompts.ExpectConfirm(true);
        s.app->Main()->Browser().RemoveFromLearning(); // the learning card is removed
        s.app->Main()->Maintenance().ShowStatistics();
        QCOMPARE(s.Shares()->LegendLines(),
            QStringList({ "Not seen yet: 0 (0%)", "In learning: 1 (34%)", "Learned: 1 (33%)",
                "Removed from learning: 1 (33%)" }));
        VERIFY_PROMPTS(s.program.prompts);
    }

    void chartOfAKnownHistory_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("monthAxes");
        QTest::addColumn<QString>("streak");
        QTest::newRow("english") << QByteArray("english")
                                 << QStringList { "3", "0", "9", "0", "1 Feb", "16 Feb", "2 Mar" }
                                 << "Days in a row with a session: 2";
        QTest::newRow("russian") << QByteArray("russian")
                                 << QStringList { "3", "0", "9", "0", "01.02", "16.02", "02.03" }
                                 << "Дней подряд с занятиями: 2";
    }
    void chartOfAKnownHistory()
    {
        QFETCH(QByteArray, language);
        QFETCH(QStringList, monthAxes);
        QFETCH(QString, streak);
        Shown s("L*DD", language);
        const QDate today = s.program.clock.LocalDate(); // 2 March 2026
        s.ShowHistory({ { today.addDays(-60), 7, 30, 2, 1 }, { today.addDays(-29), 1, 2, 0, 1 },
            { today.addDays(-1), 2, 4, 5, 1 }, { today, 3, 6, 1, 1 } });
        HistoryChart* chart = s.Find<HistoryChart>("HistoryChart1");
        QVERIFY(chart->isVisible());
        QVERIFY(!s.Find("Label9")->isVisible());
        QCOMPARE(chart->Series()->Days().size(), size_t(30));
        QCOMPARE(chart->Series()->Days().front(), (HistoryDay { today.addDays(-29), 1, 2, 0, 1 }));
        QCOMPARE(chart->Series()->Days().back(), (HistoryDay { today, 3, 6, 1, 1 }));
        QCOMPARE(chart->AxisLabels(), monthAxes);
        QCOMPARE(s.Find<QLabel>("Label10")->text(), streak);
        // Under the picture: the periods, the chart, the streak, each below the one before,
        // all inside the window.
        const QRect picture = s.Shares()->geometry();
        const QRect periods = s.Find("RadioButton1")->geometry().united(s.Find("RadioButton2")->geometry());
        const QRect streakLine = s.Find("Label10")->geometry();
        QVERIFY(periods.top() > picture.bottom() && chart->geometry().top() > periods.bottom());
        QVERIFY(streakLine.top() > chart->geometry().bottom());
        for (const QRect& part : { picture, periods, chart->geometry(), streakLine }) {
            QVERIFY(s.Window()->rect().contains(part));
        }
        QVERIFY(chart->width() >= chart->sizeHint().width());

        // The longer period reaches the older day, which tops both scales.
        QTest::mouseClick(s.Find("RadioButton2"), Qt::LeftButton);
        QCOMPARE(chart->Series()->Days().size(), size_t(90));
        QCOMPARE(chart->AxisLabels().mid(0, 4), QStringList({ "7", "0", "32", "0" }));
        QCOMPARE(s.Find<QLabel>("Label10")->text(), streak);
    }

    void periodWithoutLearningShowsASentence()
    {
        Shown s("L*", "english");
        s.ShowHistory({});
        const auto sentenceOnly = [&s] {
            auto* sentence = s.Find<QLabel>("Label9");
            return sentence->isVisible() && !sentence->text().isEmpty()
                && s.Window()->rect().contains(sentence->geometry()) && !s.Find("HistoryChart1")->isVisible()
                && !s.Find("Label10")->isVisible();
        };
        QVERIFY(sentenceOnly());
        QCOMPARE(s.Find<QLabel>("Label9")->text(),
            QString("No learning sessions in these days yet. The chart appears as soon as you start learning."));
        // Learning two months ago: nothing in the last 30 days, a chart over the last 90.
        s.ShowHistory({ { s.program.clock.LocalDate().addDays(-60), 1, 1, 0, 1 } });
        QVERIFY(sentenceOnly());
        QTest::mouseClick(s.Find("RadioButton2"), Qt::LeftButton);
        QVERIFY(s.Find("HistoryChart1")->isVisible() && !s.Find("Label9")->isVisible());
        QCOMPARE(s.Find<QLabel>("Label10")->text(), QString("Days in a row with a session: 0"));
    }

    void coloursReadInGrey()
    {
        // Seen in grey (printed, or by a reader who cannot tell the hues apart) every two
        // statuses must still differ clearly in lightness.
        const std::array<QColor, 4> colours = StatisticsWindow::StatusColours();
        for (size_t a = 0; a < colours.size(); ++a) {
            for (size_t b = a + 1; b < colours.size(); ++b) {
                const int apart = qAbs(qGray(colours[a].rgb()) - qGray(colours[b].rgb()));
                QVERIFY2(apart >= 40, qPrintable(QString("statuses %1 and %2: %3 apart").arg(a).arg(b).arg(apart)));
            }
        }
        // The chart's right and wrong answers are stacked in one bar.
        const std::array<QColor, 3> series = HistoryChart::SeriesColours();
        QVERIFY(qAbs(qGray(series[1].rgb()) - qGray(series[2].rgb())) >= 40);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_StatisticsWindow.moc"
