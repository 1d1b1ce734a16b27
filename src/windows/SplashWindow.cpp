#include "windows/SplashWindow.h"

#include "ui/DesignLook.h"
#include "ui/Placement.h"
#include "ui/ProgramPictures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    EnsureProgramPictures();
    setObjectName(QStringLiteral("Form6"));
    setFixedSize(kClientSize);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setPixmap(QPixmap(QStringLiteral(":/images/splash.png")));
    m_picture->setScaledContents(true);
    m_picture->setGeometry(0, 0, kClientSize.width(), kClientSize.height());

    m_loading = new QLabel(QStringLiteral("Идет загрузка данных..."), this);
    m_loading->setObjectName(QStringLiteral("Label1"));
    m_loading->setAutoFillBackground(false); // the picture shows through round the letters
    SetTextColour(m_loading, Qt::white);
    m_loading->adjustSize();
    m_loading->move(224, 176);
}

void SplashWindow::ShowCentred()
{
    Placement::PlaceOver(*this, nullptr);
    show();
    raise();
    // The window manager puts the window on the screen a moment after show(); paint once it
    // is there, or the picture would wait for the first pause of the work that follows.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    repaint();
    QCoreApplication::processEvents();
}
