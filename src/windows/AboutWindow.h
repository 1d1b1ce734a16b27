#pragma once

#include <QDialog>
#include <QSize>

class ClickableLabel;
class QLabel;
class QPushButton;
class Shell;

// The About window (Form7): the program's version, who programmed and who designed it
// (each picture opens that maker's page) and how to reach support (the text opens a new
// mail to the support address, with the version in the subject). Pages and mail open
// through the desktop shell; the window stays open meanwhile.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    // 452 x 425 with its frame when it opens: a 4-pixel sizing border on each side and a
    // 26-pixel title bar around this client area.
    static constexpr QSize kClientSize { 444, 391 };

    explicit AboutWindow(Shell& shell, QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return m_version; } // Label4
    ClickableLabel* MakerPicture() const { return m_makerPicture; } // Image1
    ClickableLabel* DesignerPicture() const { return m_designerPicture; } // Image2
    ClickableLabel* SupportLabel() const { return m_support; } // Label7
    QPushButton* CloseButton() const { return m_close; } // Button1

private:
    QLabel* AddLabel(const QString& name, const QString& text, QPoint place);
    ClickableLabel* AddPicture(const QString& name, const QString& resource, QPoint place);
    void AddSupport();

    Shell& m_shell;
    QLabel* m_version = nullptr;
    ClickableLabel* m_makerPicture = nullptr;
    ClickableLabel* m_designerPicture = nullptr;
    ClickableLabel* m_support = nullptr;
    QPushButton* m_close = nullptr;
};
