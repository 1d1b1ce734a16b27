#include "support/LanguageCoverage.h"

#include "learning/AnswerPopup.h"
#include "learning/AssociationPanel.h"
#include "learning/ChoicePanel.h"
#include "learning/LearningWindow.h"
#include "learning/PairPanel.h"
#include "learning/RecallPanel.h"
#include "ui/ClickableLabel.h"
#include "ui/GradientPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestLearningWindow : public QObject {
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
        QVERIFY(LanguageCoverage::ComponentEntryCount("form4", language) >= 3);
        LearningWindow window;
        const QStringList misses = LanguageCoverage::Misses(&window, "form4", language);
        QVERIFY2(misses.isEmpty(), qPrintable(misses.join("; ")));
    }

    void windowIsFixedWhiteWithMinimizeAndClose()
    {
        LearningWindow window;
        QCOMPARE(window.objectName(), QString("Form4"));
        QVERIFY(window.isWindow());
        // With a 3-pixel border and a 26-pixel title bar the window measures 480 x 582.
        QCOMPARE(window.size(), QSize(480 - 2 * 3, 582 - 2 * 3 - 26));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void exercisePanelsShareOnePlaceAndOneShows()
    {
        LearningWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int shown = 0;
        for (const char* name : { "Panel1", "Panel2", "Panel3", "Panel4" }) {
            auto* panel = window.findChild<QWidget*>(name);
            QVERIFY2(panel != nullptr && panel->parentWidget() == &window, name);
            QCOMPARE(panel->geometry(), QRect(8, 40, 457, 487));
            shown += panel->isVisible() ? 1 : 0;
        }
        QCOMPARE(shown, 1);
        QVERIFY(!window.Association()->isVisible());
        QVERIFY(!window.Popup()->isVisible());
        QVERIFY(!window.BusyNotice()->isVisible());
        // The panels fit between the button strip and the status bar.
        auto* button = window.findChild<QWidget*>("LMDSpeedButton3");
        QVERIFY(button->mapTo(&window, QPoint(0, button->height())).y() <= 40);
        QVERIFY(window.ExerciseProgressLabel()->mapTo(&window, QPoint(0, 0)).y() >= 40 + 487);
    }

    void statusBarHasTwoPanelsOf260And240()
    {
        LearningWindow window;
        QLabel* first = window.ExerciseProgressLabel();
        QLabel* second = window.OverallProgressLabel();
        QCOMPARE(first->objectName(), QString("StatusPanel0"));
        QCOMPARE(second->objectName(), QString("StatusPanel1"));
        QCOMPARE(first->width(), 260);
        QCOMPARE(second->width(), 240);
        QCOMPARE(second->x(), first->x() + 260);
        first->setText("Упражнение выполнено на: 100%");
        QCOMPARE(first->width(), 260);
    }

    void popupAndBusyNoticeLieCentredOverThePanels()
    {
        LearningWindow window;
        AnswerPopup* popup = window.Popup();
        QCOMPARE(popup->objectName(), QString("Panel_popup"));
        QCOMPARE(popup->size(), QSize(273, AnswerPopup::kHeight));
        QCOMPARE(popup->frameShape(), QFrame::Box);
        QCOMPARE(popup->pos(), QPoint(window.width() / 2 - 273 / 2, window.height() / 2 - AnswerPopup::kHeight / 2));
        QLabel* word = popup->WordLabel();
        QLabel* translation = popup->TranslationLabel();
        QCOMPARE(word->objectName(), QString("label1"));
        QCOMPARE(translation->objectName(), QString("label2"));
        QVERIFY(word->geometry().bottom() < translation->y());
        QVERIFY(popup->rect().contains(translation->geometry()));
        QCOMPARE(translation->palette().color(QPalette::WindowText), QColor(Qt::red));

        GradientPanel* busy = window.BusyNotice();
        QCOMPARE(busy->objectName(), QString("XPPanel1"));
        QCOMPARE(busy->text(), QString("Обновление данных..."));
        QVERIFY(window.rect().contains(busy->geometry()));
        // Both lie above the exercise panels, so they are seen when shown.
        const QObjectList children = window.children();
        for (QWidget* overlay : { static_cast<QWidget*>(popup), static_cast<QWidget*>(busy) }) {
            QVERIFY(children.indexOf(overlay) > children.indexOf(window.Pairs()));
            QVERIFY(children.indexOf(overlay) > children.indexOf(window.Choice()));
        }
    }

    void numberedAccessorsReachTheirNamedControls()
    {
        LearningWindow window;
        for (int n = 1; n <= 8; ++n) {
            const std::pair<ClickableLabel*, QString> options[] = {
                { window.Choice()->OptionLabel(n), QString("label_translation2_%1").arg(n) },
                { window.Pairs()->LeftLabel(n), QString("word_left%1").arg(n) },
                { window.Pairs()->RightLabel(n), QString("word_right%1").arg(n) },
                { window.Association()->OptionLabel(n), QString("label_translation%1").arg(n) },
            };
            for (const auto& [label, name] : options) {
                QCOMPARE(label->objectName(), name);
                QVERIFY2(label->isHidden(), qPrintable(name));
                QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
                QCOMPARE(label->font().pixelSize(), 21);
            }
        }
        for (int n = 1; n <= ChoicePanel::kPictureCount; ++n) {
            QCOMPARE(window.Choice()->PictureVariant(n)->objectName(), QString("Image_variant%1").arg(n));
            QVERIFY(window.Choice()->PictureVariant(n)->isHidden());
        }
        // The choice options run down the panel in order.
        QVERIFY(window.Choice()->OptionLabel(1)->y() < window.Choice()->OptionLabel(8)->y());
    }

    void recallPanelWaitsForTheAnswerBeforeGrading()
    {
        LearningWindow window;
        RecallPanel* panel = window.Recall();
        QCOMPARE(panel->ShowAnswerButton()->text(), QString("Посмотреть ответ"));
        QVERIFY(!panel->RightButton()->isEnabled());
        QVERIFY(!panel->WrongButton()->isEnabled());
        QVERIFY(panel->AnswerLabel()->isHidden());
        // The revealed translation takes the button's place.
        QCOMPARE(panel->AnswerLabel()->y(), panel->ShowAnswerButton()->y() + 4);
        QCOMPARE(panel->AnswerLabel()->x(), 457 / 2 - panel->AnswerLabel()->width() / 2);
        // The typed exercise's box and button wait hidden, as does the picture.
        QVERIFY(panel->AnswerEdit()->isHidden());
        QVERIFY(panel->CheckButton()->isHidden());
        QVERIFY(panel->Picture()->isHidden());
        QCOMPARE(panel->AnswerEdit()->font().pixelSize(), 19);
        QCOMPARE(panel->WordLabel()->font().pixelSize(), 27);
    }

    void namesAreUniqueInTheWindow()
    {
        // The language files and the session find controls by name across the whole window.
        LearningWindow window;
        QStringList seen;
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            const QString name = child->objectName();
            if (!name.isEmpty() && !name.startsWith("qt_")) {
                QVERIFY2(!seen.contains(name), qPrintable(name));
                seen.append(name);
            }
        }
    }
};

QTEST_MAIN(TestLearningWindow)
#include "tst_LearningWindow.moc"
