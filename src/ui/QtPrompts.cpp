#include "ui/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace {

// Runs a box with one OK button and tells whether OK was pressed. A box with a single
// button would take the close box and Escape as that button, so a hidden escape button
// receives them instead: closing the box is not OK.
bool RunBox(QWidget* owner, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText); // messages carry card texts and file names, never markup
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* dismissed = box.addButton(QMessageBox::Cancel);
    dismissed->hide();
    box.setDefaultButton(ok);
    box.setEscapeButton(dismissed);
    box.exec();
    return box.clickedButton() == ok;
}

} // namespace

QtPrompts::QtPrompts(QWidget* owner)
    : m_owner(owner)
{
}

QWidget* QtPrompts::Owner() const
{
    // Without an owner the box goes over the active window, so it never hides behind the
    // always-on-top main window. While nothing is active (during start-up the splash window
    // takes no focus) it goes over a window that stays on top, so the splash cannot cover it.
    if (m_owner) {
        return m_owner.data();
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto onTop = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    return onTop != windows.cend() ? *onTop : nullptr;
}

bool QtPrompts::Confirm(const QString& text)
{
    return AskYesNo(text, QMessageBox::Yes);
}

bool QtPrompts::ConfirmIrreversible(const QString& text)
{
    return AskYesNo(text, QMessageBox::No);
}

bool QtPrompts::AskYesNo(const QString& text, QMessageBox::StandardButton byDefault)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
        QMessageBox::Yes | QMessageBox::No, Owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(byDefault);
    return box.exec() == QMessageBox::Yes;
}

bool QtPrompts::Information(const QString& text)
{
    return RunBox(Owner(), QMessageBox::Information, text);
}

bool QtPrompts::Error(const QString& text)
{
    return RunBox(Owner(), QMessageBox::Critical, text);
}

QString QtPrompts::OpenFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(Owner(), title, folder, filter);
}

QString QtPrompts::SaveFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(Owner(), title, folder, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

int QtPrompts::Choose(const QString& text, const QStringList& options)
{
    bool ok = false;
    const QString chosen
        = QInputDialog::getItem(Owner(), QApplication::applicationDisplayName(), text, options, 0, false, &ok);
    return ok ? int(options.indexOf(chosen)) : -1;
}
