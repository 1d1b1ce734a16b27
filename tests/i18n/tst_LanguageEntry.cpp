#include "i18n/LanguageEntry.h"

#include <QtTest>

class TestLanguageEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsKeyValueAndKind_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kind");
        QTest::newRow("label") << "Label3=Слово"
                               << "Label3"
                               << "Слово"
                               << "Label";
        QTest::newRow("two digits") << "Label10=x"
                                    << "Label10"
                                    << "x"
                                    << "Label";
        QTest::newRow("zero runs on into the value") << "Label0=abc1"
                                                     << "Label0"
                                                     << "abc1"
                                                     << "Label0=abc";
        QTest::newRow("zero with no end") << "Label0=abc"
                                          << "Label0"
                                          << "abc"
                                          << "";
        QTest::newRow("speed button") << "LMDSpeedButton2="
                                      << "LMDSpeedButton2"
                                      << ""
                                      << "LMDSpeedButton";
        QTest::newRow("menu") << "MainMenu1[0][2]=Exit"
                              << "MainMenu1[0][2]"
                              << "Exit"
                              << "MainMenu";
        QTest::newRow("message") << "message_delete=Remove?"
                                 << "message_delete"
                                 << "Remove?"
                                 << "message";
        QTest::newRow("window caption") << "Form2=Statistics"
                                        << "Form2"
                                        << "Statistics"
                                        << "Form";
        QTest::newRow("header band") << "glWizardHeader1=Hi"
                                     << "glWizardHeader1"
                                     << "Hi"
                                     << "glWizardHeader";
        QTest::newRow("value holds equals") << "Label1=a=b"
                                            << "Label1"
                                            << "a=b"
                                            << "Label";
        QTest::newRow("leading blank kept") << "message_mode1= - mode"
                                            << "message_mode1"
                                            << " - mode"
                                            << "message";
        QTest::newRow("no equals") << "Label1"
                                   << "Label1"
                                   << ""
                                   << "Label";
    }
    void splitsKeyValueAndKind()
    {
        QFETCH(QString, line);
        const LanguageEntry entry = LanguageEntry::Parse(line);
        QTEST(entry.Key, "key");
        QTEST(entry.Value, "value");
        QTEST(entry.Kind, "kind");
    }

    void menuIndices_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("topLevel");
        QTest::newRow("top-level") << "MainMenu1[2]=Help" << true << 2 << 2 << true;
        QTest::newRow("sub-item") << "MainMenu1[1][3]=Statistics" << true << 1 << 3 << false;
        QTest::newRow("same indices is a sub-item") << "MainMenu1[1][1]=-" << true << 1 << 1 << false;
        QTest::newRow("first item of the first menu") << "MainMenu1[0][0]=Open" << true << 0 << 0 << false;
        QTest::newRow("not integers") << "MainMenu1[a][b]=x" << false << 0 << 0 << false;
        QTest::newRow("no brackets") << "MainMenu1=x" << false << 0 << 0 << false;
        QTest::newRow("negative") << "MainMenu1[-1]=x" << false << 0 << 0 << false;
    }
    void menuIndices()
    {
        QFETCH(QString, line);
        QFETCH(bool, valid);
        const auto target = ParseMenuEntry(line);
        QCOMPARE(target.has_value(), valid);
        if (valid) {
            QTEST(target->Top, "top");
            QTEST(target->Item, "item");
            QTEST(target->IsTopLevel, "topLevel");
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguageEntry)
#include "tst_LanguageEntry.moc"
