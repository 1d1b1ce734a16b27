#include "windows/HelpWindow.h"

#include "base/Shell.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("FormHelp"));
    resize(720, 560);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("TextBrowser_help"));
    m_browser->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isRelative() && url.path().isEmpty()) {
            m_browser->scrollToAnchor(url.fragment());
        } else if (url.isRelative() || url.isLocalFile()) {
            m_browser->setSource(m_browser->source().resolved(url));
        } else {
            m_shell.Open(url);
        }
    });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(m_browser->documentTitle()); });
}

void HelpWindow::ShowPage(const QString& file)
{
    m_browser->setSource(QUrl::fromLocalFile(file));
    m_browser->scrollToAnchor(QString());
    setWindowTitle(m_browser->documentTitle());
    show();
    raise();
    activateWindow();
}
