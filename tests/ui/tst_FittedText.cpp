#include "ui/DesignLook.h"
#include "ui/FittedText.h"

#include <QLabel>
#include <QtTest>

// Card texts of every length on a label with a fixed place and width.
class TestFittedText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsTakeTheLargestSizeThatFitsAndComeBackWhole()
    {
        constexpr int kMaxWidth = 200;
        constexpr int kMaxHeight = 50;
        QWidget panel;
        QLabel label(&panel);
        label.setFont(TahomaFont(21));
        label.move(10, 100);
        const int ownMiddle = [&label] {
            FittedText::Show(&label, "apple", kMaxWidth, kMaxHeight);
            return label.geometry().center().y();
        }();
        QCOMPARE(label.font().pixelSize(), 21);
        QCOMPARE(label.y(), 100);
        QVERIFY(label.toolTip().isEmpty());

        // A little too wide: one line, a little smaller.
        FittedText::Show(&label, "поздравления, привет", kMaxWidth, kMaxHeight);
        QVERIFY(!label.wordWrap());
        QVERIFY(label.font().pixelSize() < 21 && label.font().pixelSize() >= 21 * 3 / 4);
        QVERIFY(label.width() <= kMaxWidth);
        QCOMPARE(label.text(), QString("поздравления, привет"));

        // Much too wide: two lines, whole, level with where one line was.
        const QString twoLines = "вспом. глагол будущего времени; воля";
        FittedText::Show(&label, twoLines, kMaxWidth, kMaxHeight);
        QVERIFY(label.wordWrap());
        QCOMPARE(label.text(), twoLines);
        QVERIFY(label.width() <= kMaxWidth);
        QVERIFY(label.font().pixelSize() >= FittedText::kMinPixelSize);
        QVERIFY(qAbs(label.geometry().center().y() - ownMiddle) <= 1);

        // Where two lines would reach a neighbour, one line cut short instead.
        FittedText::Show(&label, twoLines, kMaxWidth, 0);
        QVERIFY(!label.wordWrap());
        QVERIFY(label.text().endsWith(QChar(0x2026)));

        // Beyond two lines of the smallest size: cut short, whole in the tooltip, never markup.
        const QString endless = QString("<b>очень</b> длинный перевод ").repeated(8);
        FittedText::Show(&label, endless, kMaxWidth, kMaxHeight);
        QVERIFY(!label.wordWrap());
        QVERIFY(label.text().endsWith(QChar(0x2026)));
        QCOMPARE(label.font().pixelSize(), FittedText::kMinPixelSize);
        QCOMPARE(label.textFormat(), Qt::PlainText);
        QVERIFY(label.toolTip().contains(endless.toHtmlEscaped()));

        // A short text again: the label's own font and place, plain, with no tooltip.
        QFont struck = label.font();
        struck.setStrikeOut(true);
        label.setFont(struck);
        FittedText::Show(&label, "pear", kMaxWidth, kMaxHeight);
        QCOMPARE(label.font().pixelSize(), 21);
        QVERIFY(!label.font().strikeOut());
        QVERIFY(!label.wordWrap());
        QVERIFY(label.toolTip().isEmpty());
        QCOMPARE(label.y(), 100);
    }
};

QTEST_MAIN(TestFittedText)
#include "tst_FittedText.moc"
