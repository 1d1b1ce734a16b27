#include "base/AppError.h"
#include "store/CardCsv.h"

#include <QtTest>

using namespace CardTable;

Q_DECLARE_METATYPE(CardCsv::Separator)

namespace {

QString Describe(const SqlValue& value)
{
    if (IsNull(value)) {
        return QStringLiteral("<null>");
    }
    if (const auto* integer = std::get_if<qint64>(&value)) {
        return QStringLiteral("int:%1").arg(*integer);
    }
    if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        return QStringLiteral("blob:%1").arg(QString::fromLatin1(bytes->toHex()));
    }
    return QStringLiteral("text:%1").arg(std::get<QString>(value));
}

QStringList Describe(const std::vector<CardRecord>& cards)
{
    QStringList lines;
    for (const CardRecord& card : cards) {
        QStringList cells;
        for (const SqlValue& value : card.values) {
            cells << Describe(value);
        }
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}

} // namespace

class TestCardCsv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEveryValue_data()
    {
        QTest::addColumn<CardCsv::Separator>("separator");
        QTest::newRow("comma") << CardCsv::Separator::Comma;
        QTest::newRow("tab") << CardCsv::Separator::Tab;
    }
    void roundTripKeepsEveryValue()
    {
        QFETCH(CardCsv::Separator, separator);
        std::vector<CardRecord> cards;
        cards.push_back(CardRecord::Make("look, see", "смотреть, \"видеть\""));
        cards.back()[Id] = qint64(7);
        cards.back()[Transcription] = QStringLiteral("lʊk");
        cards.back()[Example] = QStringLiteral("Look!\nThere,\r\nover\tthere.");
        cards.back()[Comment] = QStringLiteral("  spaced  ");
        cards.back()[Status] = QStringLiteral("learned");
        cards.back()[ParaTrue] = qint64(-3);
        cards.push_back(CardRecord::Make("\"quoted\"", "\""));
        cards.back()[Id] = qint64(2);
        cards.back()[Transcription] = QStringLiteral(""); // empty, not NULL
        cards.back()[VspomnitTrue] = std::monostate();
        cards.back()[Picture] = QByteArray("\x00\x01\xff,\n", 5);
        cards.back()[ActiveWord] = qint64(1);
        cards.push_back(CardRecord::Make("ёж", "hedgehog"));
        cards.back()[Id] = qint64(9000000000);
        cards.back()[PartOfSpeech] = std::monostate();
        cards.back()[Picture] = QByteArray(""); // empty, not NULL
        cards.back()[Comment] = QString(QChar(0xFEFF)) + "begins with the character of a byte-order mark";

        const QByteArray text = CardCsv::Write(cards, separator);
        QCOMPARE(Describe(CardCsv::Parse(text, separator)), Describe(cards));
        // With a byte-order mark in front, as some editors save UTF-8.
        QCOMPARE(Describe(CardCsv::Parse("\xEF\xBB\xBF" + text, separator)), Describe(cards));
        // With Windows line ends between records.
        QByteArray crlf = text;
        crlf.replace("\n", "\r\n");
        QCOMPARE(CardCsv::Parse(crlf, separator).size(), cards.size());
    }

    void headerNamesChooseColumnsAndOthersGetNewCardValues()
    {
        const QByteArray text = " Translation ,WORD,part_of_speech\n"
                                "яблоко,apple,noun\n"
                                "\"a, b\",ab,\"\"\n";
        const std::vector<CardRecord> cards = CardCsv::Parse(text, CardCsv::Separator::Comma);
        QCOMPARE(cards.size(), size_t(2));
        QCOMPARE(Describe(cards[0][Header]), QString("text:apple"));
        QCOMPARE(Describe(cards[0][Translation]), QString("text:яблоко"));
        QCOMPARE(Describe(cards[0][PartOfSpeech]), QString("text:noun"));
        QCOMPARE(Describe(cards[1][Translation]), QString("text:a, b"));
        QCOMPARE(Describe(cards[1][PartOfSpeech]), QString("text:"));
        QCOMPARE(Describe(cards[0][Id]), QString("<null>"));
        QCOMPARE(Describe(cards[0][Status]), QString("text:"));
        QCOMPARE(Describe(cards[0][ParaTrue]), QString("int:0"));
        QCOMPARE(Describe(cards[0][ActiveWord]), QString("int:0"));
        QCOMPARE(Describe(cards[0][Transcription]), QString("<null>"));
    }

    void badInputNamesLineAndReason_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << QByteArray() << "line 1: the file is empty";
        QTest::newRow("only a mark") << QByteArray("\xEF\xBB\xBF") << "line 1: the file is empty";
        QTest::newRow("unknown column") << QByteArray("word,translation,colour\n")
                                        << "line 1: unknown column \"colour\"";
        QTest::newRow("column twice") << QByteArray("word,translation,header\n")
                                      << "line 1: the column \"header\" is named twice";
        QTest::newRow("no translation") << QByteArray("word,transcription\na,b\n")
                                        << "line 1: the column \"translation\" is missing";
        QTest::newRow("no word") << QByteArray("translation\na\n") << "line 1: the column \"word\" is missing";
        QTest::newRow("too few fields") << QByteArray("word,translation\na,b\nc\n")
                                        << "line 3: 1 fields where the header row names 2";
        QTest::newRow("too many fields") << QByteArray("word,translation\na,b,c\n") << "line 2: 3 fields";
        QTest::newRow("line count after a field of two lines")
            << QByteArray("word,translation\n\"a\nb\",c\n\nd,e,f\n") << "line 5: 3 fields";
        QTest::newRow("quote inside a field")
            << QByteArray("word,translation\nab\"c,d\n") << "line 2: a quote in the middle";
        QTest::newRow("text after a closing quote") << QByteArray("word,translation\n\"ab\"c,d\n") << "line 2:";
        QTest::newRow("quote never closed")
            << QByteArray("word,translation\na,b\nc,\"d\ne\n") << "line 3: a quoted field is not closed";
        QTest::newRow("not UTF-8") << QByteArray("word,translation\na,b\n\xff\xfe,c\n")
                                   << "line 3: the text is not valid UTF-8";
        QTest::newRow("empty word") << QByteArray("word,translation\n,b\n") << "line 2: the word is empty";
        QTest::newRow("blank translation")
            << QByteArray("word,translation\na,\"  \"\n") << "line 2: the translation is empty";
        QTest::newRow("counter not a number")
            << QByteArray("word,translation,para_true\na,b,3x\n") << "line 2: para_true must be a whole number";
        QTest::newRow("mark not 0 or 1") << QByteArray("word,translation,active_word\na,b,2\n")
                                         << "line 2: active_word must be 0 or 1";
        QTest::newRow("unknown status") << QByteArray("word,translation,status\na,b,done\n")
                                        << "line 2: status must be empty";
        QTest::newRow("id twice") << QByteArray("id,word,translation\n1,a,b\n1,c,d\n")
                                  << "line 3: id 1 is used by an earlier card";
        QTest::newRow("id not positive") << QByteArray("id,word,translation\n0,a,b\n")
                                         << "line 2: id must be a positive number";
        QTest::newRow("picture not base64")
            << QByteArray("word,translation,picture\na,b,@@@\n") << "line 2: picture must be base64";
    }
    void badInputNamesLineAndReason()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        try {
            CardCsv::Parse(text, CardCsv::Separator::Comma);
            QFAIL("bad input was accepted");
        } catch (const AppError& error) {
            QVERIFY2(error.Message().startsWith(message), qPrintable(error.Message()));
        }
    }

    void separatorFollowsTheFileName()
    {
        QCOMPARE(CardCsv::SeparatorFor("/a/words.tsv"), CardCsv::Separator::Tab);
        QCOMPARE(CardCsv::SeparatorFor("/a/words.TSV"), CardCsv::Separator::Tab);
        QCOMPARE(CardCsv::SeparatorFor("/a.tsv/words.csv"), CardCsv::Separator::Comma);
        QCOMPARE(CardCsv::SeparatorFor(QString()), CardCsv::Separator::Comma);
    }
};

QTEST_GUILESS_MAIN(TestCardCsv)
#include "tst_CardCsv.moc"
