#pragma once

#include <QWidget>

class QTextBrowser;
class Shell;

// The help window (FormHelp): the help page of the interface language in a text browser, so
// help works where no web browser is installed. Its title is the page's title; the page's
// own links (its table of contents) move within it, and links to the web or to mail open
// through the desktop shell. One window, shown again and raised on each request.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(Shell& shell, QWidget* parent = nullptr);

    // Shows the page (an HTML file), from its top.
    void ShowPage(const QString& file);

    QTextBrowser* Browser() const { return m_browser; } // TextBrowser_help

private:
    Shell& m_shell;
    QTextBrowser* m_browser = nullptr;
};
