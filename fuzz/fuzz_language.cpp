// Fuzzes language files: the entry reader, the main-menu address reader, and applying each
// window's section of the file to a window offscreen.
//
// The input is a language file. Each window's rules are applied from it to one small window
// that has the components the rules address (captions, buttons, tab pages, group boxes,
// check boxes, a header band and a main menu with separators and a submenu). Whatever the
// lines:
//  - an entry splits into its key, "=" and its value, and its kind is a prefix of the line;
//  - a main-menu address has indices of 0 or more, equal ones for a top-level item;
//  - applying adds and removes no component and no menu item, and files only entries of the
//    window's own prefix in the message table, where each can be looked up by its key.

#include "FuzzSupport.h"
#include "i18n/LanguageEntry.h"
#include "i18n/LanguageTable.h"
#include "i18n/WindowLanguageRules.h"
#include "ui/GradientPanel.h"
#include "ui/WizardHeader.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

using FuzzSupport::Require;

namespace {

template <class Widget> Widget* Named(QWidget* parent, const QString& name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

template <class Widget> void NamedRun(QWidget* parent, const char* kind, int count)
{
    for (int i = 1; i <= count; ++i) {
        Named<Widget>(parent, QString::fromLatin1(kind) + QString::number(i));
    }
}

std::unique_ptr<QMainWindow> MakeWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setObjectName(QStringLiteral("Form1"));
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Open"));
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"));
    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    for (int i = 0; i < 5; ++i) {
        tools->addAction(QStringLiteral("Tool %1").arg(i));
    }
    tools->addMenu(QStringLiteral("More"))->addAction(QStringLiteral("Inner"));
    bar->addAction(QStringLiteral("Plain item without a menu"));

    auto* client = new QWidget(window.get());
    window->setCentralWidget(client);
    NamedRun<QLabel>(client, "Label", 8);
    Named<QLabel>(client, QStringLiteral("Label_word"))->setWordWrap(true);
    NamedRun<QToolButton>(client, "LMDSpeedButton", 4);
    NamedRun<GradientPanel>(client, "XPPanel", 1);
    NamedRun<QPushButton>(client, "Button", 3);
    NamedRun<QCheckBox>(client, "XPCheckBox", 7);
    NamedRun<QGroupBox>(client, "XPGroupBox", 2);
    NamedRun<WizardHeader>(client, "glWizardHeader", 1);
    auto* tabs = new QTabWidget(client);
    for (int i = 1; i <= 2; ++i) {
        tabs->addTab(Named<QWidget>(nullptr, QStringLiteral("XPTabSheet%1").arg(i)), QStringLiteral("Page"));
    }
    return window;
}

int MenuItemCount(QMainWindow& window)
{
    int count = 0;
    for (QAction* top : window.menuBar()->actions()) {
        ++count;
        if (top->menu() != nullptr) {
            count += int(top->menu()->actions().size());
        }
    }
    return count;
}

void CheckEntry(const QString& line)
{
    const LanguageEntry entry = LanguageEntry::Parse(line);
    Require(entry.Line == line, "an entry keeps its line");
    if (line.contains(QLatin1Char('='))) {
        Require(entry.Key + QLatin1Char('=') + entry.Value == line, "key, \"=\" and value make the line");
        Require(!entry.Key.contains(QLatin1Char('=')), "a key ends at the first \"=\"");
    } else {
        Require(entry.Key == line && entry.Value.isEmpty(), "a line without \"=\" is all key");
    }
    Require(line.startsWith(entry.Kind), "the kind is a prefix of the line");
    for (const QChar c : entry.Kind) {
        Require((c < QLatin1Char('1') || c > QLatin1Char('9')) && c != QLatin1Char('_'), "the kind ends at 1-9 or _");
    }
    if (const auto target = ParseMenuEntry(line)) {
        Require(target->Top >= 0 && target->Item >= 0, "menu indices are not negative");
        Require(!target->IsTopLevel || target->Top == target->Item, "a top-level address names one index");
    }
}

void CheckMessages(const LanguageTable& table, const WindowLanguageRules& rules, qsizetype before)
{
    const QStringList& messages = table.Messages();
    Require(rules.MessagePrefix.isEmpty() ? messages.size() == before : messages.size() >= before,
        "only windows with a prefix file messages");
    for (qsizetype i = before; i < messages.size(); ++i) {
        Require(messages[i].startsWith(rules.MessagePrefix), "a message carries its window's prefix");
    }
    if (messages.size() > before) {
        const QString& first = messages.first();
        const qsizetype equals = first.indexOf(QLatin1Char('='));
        // An empty text gives way to the program's built-in one.
        if (equals >= 0 && equals + 1 < first.size()) {
            Require(table.LookupMessage(first.left(equals)) == first.mid(equals + 1),
                "the first message is found by its key");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::EnsureApplication();
    QDir(FuzzSupport::ScratchFolder()).mkpath(QStringLiteral("Language"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file = FuzzSupport::Bytes(data, size);
    for (const QString& line : QString::fromUtf8(file).split(QLatin1Char('\n'))) {
        CheckEntry(line);
        CheckEntry(line.trimmed());
    }

    const QString folder = FuzzSupport::ScratchFolder() + QLatin1Char('/');
    FuzzSupport::WriteFile(folder + LanguageTable::LanguageFileName(QStringLiteral("english")), file);

    // One window serves every input: building it costs more than applying a section, and
    // the checks below hold whatever texts an earlier input left in it.
    static const std::unique_ptr<QMainWindow> window = MakeWindow();
    const qsizetype components = window->findChildren<QObject*>().size();
    const int menuItems = MenuItemCount(*window);
    LanguageTable table(folder);
    for (const WindowLanguageRules& rules : AllWindowLanguageRules()) {
        const qsizetype before = table.Messages().size();
        table.ApplyLanguage(rules.WindowKey, QStringLiteral("english"), window.get());
        CheckMessages(table, rules, before);
    }
    Require(window->findChildren<QObject*>().size() == components, "applying a language adds no component");
    Require(MenuItemCount(*window) == menuItems, "applying a language adds no menu item");
    return 0;
}
