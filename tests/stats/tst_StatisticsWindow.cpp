#include "app/GlossmereApp.h"
#include "app/MainWindow.h"
#include "stats/MaintenanceCommands.h"
#include "stats/StatisticsWindow.h"
#include "support/TestProgram.h"
#include "ui/ShareBar.h"

#include <QDialog>
#include <QGroupBox>
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
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_StatisticsWindow.moc"
