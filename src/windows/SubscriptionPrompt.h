#pragma once

#include <QDialog>
#include <QSize>

class QLabel;
class QPushButton;
class Shell;
class WizardHeader;

// The subscription prompt (Form15), shown once, on the fifth start: an invitation to the
// maker's newsletter. "Подписаться сейчас!" opens the subscription page through the
// desktop shell and closes the prompt; closing it any other way opens nothing.
class SubscriptionPrompt : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize { 460, 206 };

    explicit SubscriptionPrompt(Shell& shell, QWidget* parent = nullptr);

    WizardHeader* Header() const { return m_header; } // glWizardHeader1
    QLabel* InvitationLabel() const { return m_invitation; } // Label1
    QPushButton* SubscribeButton() const { return m_subscribe; } // Button1

private:
    void Subscribe();

    Shell& m_shell;
    WizardHeader* m_header = nullptr;
    QLabel* m_invitation = nullptr;
    QPushButton* m_subscribe = nullptr;
};
