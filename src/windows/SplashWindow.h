#pragma once

#include <QSize>
#include <QWidget>

class QLabel;

// The picture shown while the program starts (Form6): borderless, above other windows,
// "Идет загрузка данных..." written on it. It is not localized.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize { 410, 231 };
    // How long showing the window waits at most for the window manager to put it on screen.
    static constexpr int kExposeWaitMs = 500;

    explicit SplashWindow(QWidget* parent = nullptr);

    // Centres the window on the screen, shows it and paints it at once: start-up goes on
    // building the other windows without returning to the event loop.
    void ShowCentred();

    QLabel* Picture() const { return m_picture; } // Image1
    QLabel* LoadingLabel() const { return m_loading; } // Label1

private:
    QLabel* m_picture = nullptr;
    QLabel* m_loading = nullptr;
};
