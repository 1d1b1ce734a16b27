#include "support/FakeSeams.h"
#include "support/LanguageCoverage.h"

#include "i18n/LanguageTable.h"
#include "ui/ClickableLabel.h"
#include "ui/WizardHeader.h"
#include "windows/AboutWindow.h"
#include "windows/ProductLinks.h"
#include "windows/SplashWindow.h"
#include "windows/SubscriptionPrompt.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

QString Encoded(const QUrl& url)
{
    return url.toString(QUrl::FullyEncoded);
}

QStringList Opened(const RecordingShell& shell)
{
    QStringList urls;
    for (const QUrl& url : shell.Opened()) {
        urls.append(Encoded(url));
    }
    return urls;
}

void Show(QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

bool HasCloseBoxOnly(const QWidget& window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return flags.testFlag(Qt::WindowCloseButtonHint) && !flags.testFlag(Qt::WindowMinimizeButtonHint)
        && !flags.testFlag(Qt::WindowMaximizeButtonHint) && !flags.testFlag(Qt::WindowContextHelpButtonHint);
}

} // namespace

class TestAuxiliaryWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageFilesReachEveryComponent_data()
    {
        QTest::addColumn<QString>("windowKey");
        QTest::addColumn<QString>("language");
        for (const char* key : { "form7", "form15" }) {
            for (const char* language : { "russian", "english" }) {
                QTest::addRow("%s %s", key, language) << key << language;
            }
        }
    }

    void languageFilesReachEveryComponent()
    {
        QFETCH(QString, windowKey);
        QFETCH(QString, language);
        QVERIFY(LanguageCoverage::ComponentEntryCount(windowKey, language) >= 4);
        RecordingShell shell;
        AboutWindow about(shell);
        SubscriptionPrompt prompt(shell);
        QWidget* window = windowKey == "form7" ? static_cast<QWidget*>(&about) : &prompt;
        const QStringList misses = LanguageCoverage::Misses(window, windowKey, language);
        QVERIFY2(misses.isEmpty(), qPrintable(misses.join("; ")));
    }

    // About window

    void aboutWindowOpensResizableAndWhite()
    {
        RecordingShell shell;
        AboutWindow about(shell);
        QCOMPARE(about.objectName(), QString("Form7"));
        // With a 4-pixel sizing border and a 26-pixel title bar it measures 452 x 425.
        QCOMPARE(about.width() + 2 * 4, 452);
        QCOMPARE(about.height() + 2 * 4 + 26, 425);
        QVERIFY(about.minimumSize() != about.maximumSize());
        QVERIFY(HasCloseBoxOnly(about));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(about.VersionLabel()->text(), QString(GLOSSMERE_VERSION));
        for (ClickableLabel* picture : { about.MakerPicture(), about.DesignerPicture() }) {
            QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));
            QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
        }
        QVERIFY(about.SupportLabel()->text().endsWith(ProductLinks::kSupportAddress));
        for (QWidget* child : about.findChildren<QWidget*>()) {
            QVERIFY2(about.rect().contains(child->geometry()), qPrintable(child->objectName()));
        }
    }

    void supportMailWritesEveryBlankAsPercent20_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("mail");
        QTest::newRow("release") << "1.0.0"
                                 << "mailto:support@glossmere.org?subject=Glossmere%201.0.0";
        QTest::newRow("blanks in the version") << "2.1 beta 3"
                                               << "mailto:support@glossmere.org?subject=Glossmere%202.1%20beta%203";
        QTest::newRow("doubled blank") << "1.0  rc"
                                       << "mailto:support@glossmere.org?subject=Glossmere%201.0%20%20rc";
    }

    void supportMailWritesEveryBlankAsPercent20()
    {
        QFETCH(QString, version);
        QFETCH(QString, mail);
        QCOMPARE(Encoded(ProductLinks::SupportMail(version)), mail);
    }

    void aboutLinksOpenThroughTheShell()
    {
        RecordingShell shell;
        AboutWindow about(shell);
        Show(about);
        QTest::mouseClick(about.MakerPicture(), Qt::LeftButton);
        QTest::mouseClick(about.DesignerPicture(), Qt::LeftButton);
        QTest::mouseClick(about.SupportLabel(), Qt::LeftButton);
        const QString mail = QStringLiteral("mailto:support@glossmere.org?subject=Glossmere%20") + GLOSSMERE_VERSION;
        QCOMPARE(Opened(shell), QStringList({ "https://glossmere.org/", "https://glossmere.org/design", mail }));
        QVERIFY(about.isVisible());
    }

    void aboutLinksIgnoreFailuresAndStrayClicks()
    {
        RecordingShell shell;
        shell.SetSucceeds(false);
        AboutWindow about(shell);
        Show(about);
        // A page the desktop cannot open is not reported; the window stays.
        QTest::mouseClick(about.MakerPicture(), Qt::LeftButton);
        QCOMPARE(shell.Opened().size(), 1);
        QVERIFY(about.isVisible());
        // Only a left click released over the link counts.
        QTest::mouseClick(about.MakerPicture(), Qt::RightButton);
        QTest::mousePress(about.DesignerPicture(), Qt::LeftButton);
        QTest::mouseRelease(about.DesignerPicture(), Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(shell.Opened().size(), 1);
    }

    void supportTextTurnsBlueUnderTheMouse()
    {
        RecordingShell shell;
        AboutWindow about(shell);
        ClickableLabel* support = about.SupportLabel();
        QCOMPARE(support->objectName(), QString("Label7"));
        QCOMPARE(support->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(support->TextColour(), QColor(Qt::black));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(support, &enter);
        QCOMPARE(support->TextColour(), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(support, &leave);
        QCOMPARE(support->TextColour(), QColor(Qt::black));
        // Hovering opens nothing.
        QVERIFY(shell.Opened().isEmpty());
    }

    void closeButtonClosesTheAboutWindow()
    {
        RecordingShell shell;
        AboutWindow about(shell);
        Show(about);
        QCOMPARE(about.CloseButton()->text(), QString("Закрыть"));
        QTest::mouseClick(about.CloseButton(), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QVERIFY(shell.Opened().isEmpty());
    }

    // Subscription prompt

    void promptIsAFixedBandedBoxOnTop()
    {
        RecordingShell shell;
        SubscriptionPrompt prompt(shell);
        QCOMPARE(prompt.objectName(), QString("Form15"));
        QCOMPARE(prompt.size(), QSize(460, 206));
        QCOMPARE(prompt.minimumSize(), prompt.maximumSize());
        QVERIFY(HasCloseBoxOnly(prompt));
        QVERIFY(prompt.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        WizardHeader* header = prompt.Header();
        QCOMPARE(header->objectName(), QString("glWizardHeader1"));
        QCOMPARE(header->geometry(), QRect(0, 0, 460, 60));

        auto* picture = prompt.findChild<QLabel*>("Image1");
        QVERIFY(picture != nullptr);
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(prompt.InvitationLabel()->wordWrap());
        QVERIFY(picture->geometry().right() < prompt.InvitationLabel()->x());
        QVERIFY(prompt.InvitationLabel()->geometry().bottom() < prompt.SubscribeButton()->y());
        QVERIFY(prompt.rect().contains(prompt.SubscribeButton()->geometry()));
    }

    void headerBandFadesFromSelectionToWindowColour()
    {
        RecordingShell shell;
        SubscriptionPrompt prompt(shell);
        WizardHeader* header = prompt.Header();
        header->setTitle({});
        header->setComment({});
        const QImage band = header->grab().toImage();
        const QColor top = band.pixelColor(band.width() - 2, 0);
        const QColor bottom = band.pixelColor(band.width() - 2, band.height() - 1);
        const QColor highlight = header->palette().color(QPalette::Highlight);
        const QColor window = header->palette().color(QPalette::Window);
        const auto near = [](const QColor& a, const QColor& b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 15;
        };
        QVERIFY2(near(top, highlight), qPrintable(top.name()));
        QVERIFY2(near(bottom, window), qPrintable(bottom.name()));
    }

    void languageFillsBothHeaderLines()
    {
        RecordingShell shell;
        SubscriptionPrompt prompt(shell);
        LanguageTable(LanguageCoverage::DataFolder()).ApplyLanguage("form15", "english", &prompt);
        QCOMPARE(prompt.Header()->title(), QString("Subscribe to our newsletter"));
        QCOMPARE(prompt.Header()->comment(), QString("Be the first to hear about new versions and dictionaries"));
        QCOMPARE(prompt.SubscribeButton()->text(), QString("Subscribe now!"));
        QCOMPARE(prompt.windowTitle(), QString("Glossmere newsletter"));
    }

    void subscribingOpensThePageAndCloses()
    {
        RecordingShell shell;
        SubscriptionPrompt prompt(shell);
        Show(prompt);
        QTest::mouseClick(prompt.SubscribeButton(), Qt::LeftButton);
        QCOMPARE(Opened(shell), QStringList { "https://glossmere.org/subscribe" });
        QVERIFY(!prompt.isVisible());
        QCOMPARE(prompt.result(), int(QDialog::Accepted));
    }

    void closingThePromptOtherwiseOpensNothing()
    {
        RecordingShell shell;
        SubscriptionPrompt prompt(shell);
        Show(prompt);
        prompt.close(); // what the close box does
        QVERIFY(!prompt.isVisible());
        QCOMPARE(prompt.result(), int(QDialog::Rejected));
        Show(prompt);
        QTest::keyClick(&prompt, Qt::Key_Escape);
        QVERIFY(!prompt.isVisible());
        QVERIFY(shell.Opened().isEmpty());
    }

    // Splash window

    void splashPictureFillsTheBorderlessWindow()
    {
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QString("Form6"));
        QCOMPARE(splash.size(), QSize(410, 231));
        const Qt::WindowFlags flags = splash.windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(splash.Picture()->objectName(), QString("Image1"));
        QCOMPARE(splash.Picture()->geometry(), splash.rect());
        QVERIFY(!splash.Picture()->pixmap().isNull());

        QLabel* loading = splash.LoadingLabel();
        QCOMPARE(loading->objectName(), QString("Label1"));
        QCOMPARE(loading->text(), QString("Идет загрузка данных..."));
        QCOMPARE(loading->pos(), QPoint(224, 176));
        QVERIFY(splash.rect().contains(loading->geometry()));
        QCOMPARE(loading->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!loading->autoFillBackground());
    }

    void splashShowsCentredAtOnce()
    {
        SplashWindow splash;
        splash.ShowCentred();
        QVERIFY(splash.isVisible());
        const QRect desktop = splash.screen()->availableGeometry();
        QVERIFY(qAbs(splash.geometry().center().x() - desktop.center().x()) <= 1);
        QVERIFY(qAbs(splash.geometry().center().y() - desktop.center().y()) <= 1);
    }
};

QTEST_MAIN(TestAuxiliaryWindows)
#include "tst_AuxiliaryWindows.moc"
