#include "learning/LearningWindow.h"

#include "learning/AnswerPopup.h"
#include "learning/AssociationPanel.h"
#include "learning/ChoicePanel.h"
#include "learning/PairPanel.h"
#include "learning/RecallPanel.h"
#include "ui/DesignLook.h"
#include "ui/GradientPanel.h"
#include "ui/Placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kToolStripHeight = 36;
constexpr QSize kBusyNoticeSize { 185, 41 };

// The tool strip and the status bar keep the desktop's own window colour.
void SetPlainBackground(QWidget* widget)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

} // namespace

LearningWindow::LearningWindow(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Режим заучивания"));
    setFixedSize(kClientSize);
    SetWhiteBackground(this);

    AddToolStrip();
    m_association = new AssociationPanel(this);
    m_choice = new ChoicePanel(this);
    m_recall = new RecallPanel(this);
    m_recall->hide();
    m_pairs = new PairPanel(this);
    m_pairs->hide();
    AddStatusBar();
    AddOverlays();
}

void LearningWindow::AddToolStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ToolBar1"));
    strip->setGeometry(0, 0, kClientSize.width(), kToolStripHeight);
    SetPlainBackground(strip);

    m_familiarization = new QToolButton(strip);
    m_familiarization->setObjectName(QStringLiteral("LMDSpeedButton3"));
    m_familiarization->setText(QStringLiteral("Режим ознакомления"));
    m_familiarization->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_familiarization->setAutoRaise(true);
    // Never the keyboard's: Space after an answer must not end the lesson.
    m_familiarization->setFocusPolicy(Qt::NoFocus);
    m_familiarization->adjustSize();
    m_familiarization->setGeometry(4, 4, m_familiarization->width(), kToolStripHeight - 8);

    // Says the question word aloud; at the strip's right end, over the question.
    m_say = new QToolButton(strip);
    m_say->setObjectName(QStringLiteral("LMDSpeedButton_say"));
    m_say->setAutoRaise(true);
    m_say->setFocusPolicy(Qt::NoFocus);
    m_say->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    m_say->setIconSize(QSize(16, 16));
    m_say->setGeometry(kClientSize.width() - 4 - 26, 4, 26, kToolStripHeight - 8);
}

void LearningWindow::AddStatusBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setGeometry(0, kClientSize.height() - kStatusBarHeight, kClientSize.width(), kStatusBarHeight);
    SetPlainBackground(bar);
    // The second panel runs past the window's right edge, as it always has.
    m_exerciseProgress = AddStatusPanel(bar, QStringLiteral("StatusPanel0"), 0, kExercisePanelWidth);
    m_overallProgress = AddStatusPanel(bar, QStringLiteral("StatusPanel1"), kExercisePanelWidth, kOverallPanelWidth);
}

QLabel* LearningWindow::AddStatusPanel(QWidget* bar, const QString& name, int left, int width)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(4);
    panel->setGeometry(left, 0, width, kStatusBarHeight);
    return panel;
}

void LearningWindow::AddOverlays()
{
    m_popup = new AnswerPopup(this);
    Placement::CentreInParent(m_popup);
    m_popup->raise();

    m_busyNotice = new GradientPanel(this);
    m_busyNotice->setObjectName(QStringLiteral("XPPanel1"));
    m_busyNotice->setText(QStringLiteral("Обновление данных..."));
    m_busyNotice->resize(kBusyNoticeSize);
    Placement::CentreInParent(m_busyNotice);
    m_busyNotice->hide();
    m_busyNotice->raise();
}

void LearningWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT Closed();
    }
}

void LearningWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        Q_EMIT Minimized();
    }
}
