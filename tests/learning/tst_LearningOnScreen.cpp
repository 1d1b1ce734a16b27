// The learning window on a real X server (run under Xvfb): what the offscreen platform cannot
// show, since it paints at once and has no screen to leave. The answer popup must reach the
// screen while the program holds on it, the windows must lie on the screen, and the text box
// of a typed question must have the keyboard.

#include "LearningFixture.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

using namespace CardTable;

namespace {

// Share of the pixels two images of one size have in common.
double SameShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull()) {
        return 0;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 same = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column) {
            same += p[column] == q[column] ? 1 : 0;
        }
    }
    return double(same) / (double(x.width()) * x.height());
}

// What the screen shows where the widget lies.
QImage OnScreen(const QWidget* widget)
{
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return widget->screen()->grabWindow(0, topLeft.x(), topLeft.y(), widget->width(), widget->height()).toImage();
}

} // namespace

class TestLearningOnScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs a real X server (the test runs under Xvfb)");
        }
    }

    void typedQuestionAndItsPopupReachTheScreen()
    {
        DictionaryBuilder cards;
        cards.Card("go", "идти").Status("learning").Marked();
        cards.Set(ViborPerevodaTrue, qint64(1)).Set(ParaTrue, qint64(1)).Set(VspomnitTrue, qint64(1));
        cards.Card("run", "бежать").Status("learning");
        cards.Set(ViborPerevodaTrue, qint64(1)).Set(ParaTrue, qint64(1)).Set(VspomnitTrue, qint64(1));
        Running r(cards, "Kol correct answers=1\nPopup delay=20\n");
        QtEventPump pump;
        r.events.real = &pump;
        const QRect screen = r.Main()->screen()->availableGeometry();
        QVERIFY(QTest::qWaitForWindowExposed(r.Main()));
        QVERIFY(screen.contains(r.Main()->frameGeometry()));

        r.StartLearning();
        LearningWindow* window = r.Window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(screen.contains(window->frameGeometry()));
        auto* edit = r.Find<QLineEdit>("Edit1");
        QCOMPARE(QApplication::focusWidget(), edit);

        // A wrong answer: the popup stays up for 20 seconds unless the user ends it. Well into
        // the hold the screen shows it as the window paints it, and Escape ends the hold.
        QImage painted;
        QImage shown;
        qint64 heldFor = 0;
        QElapsedTimer held;
        r.events.onHold = [&] {
            held.start();
            QTimer::singleShot(1500, [&] {
                QWidget* popup = r.Find<QWidget>("Panel_popup");
                painted = popup->grab().toImage();
                shown = OnScreen(popup);
                QTest::keyClick(window, Qt::Key_Escape);
            });
        };
        edit->setText("стоять");
        QTest::keyClick(edit, Qt::Key_Return);
        heldFor = held.elapsed();
        QVERIFY2(SameShare(painted, shown) > 0.95, "the popup is not on the screen during the hold");
        QVERIFY(heldFor < 10000);
        QCOMPARE(r.AskedWord(), QString("run"));
        QCOMPARE(QApplication::focusWidget(), edit);
    }
};

QTEST_MAIN(TestLearningOnScreen)
#include "tst_LearningOnScreen.moc"
