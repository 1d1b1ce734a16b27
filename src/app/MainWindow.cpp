#include "app/MainWindow.h"

#include "base/AppPaths.h"
#include "base/CommandGuard.h"
#include "base/DictionaryFolder.h"
#include "base/Prompts.h"
#include "base/Services.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/Shell.h"
#include "base/Speech.h"
#include "base/Tray.h"
#include "i18n/LanguageTable.h"
#include "importing/FileCommands.h"
#include "stats/MaintenanceCommands.h"
#include "store/Dataset.h"
#include "store/DictionaryStore.h"
#include "ui/DesignLook.h"
#include "ui/FittedText.h"
#include "ui/GradientPanel.h"
#include "ui/Placement.h"
#include "ui/ProgramPictures.h"
#include "ui/WordLanguageQuestion.h"
#include "windows/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <tuple>

namespace {

constexpr int kClientWidth = 447;
constexpr int kTextMargin = 8; // kept free on each side of a card text
constexpr int kClientHeight = 220;
constexpr int kToolbarHeight = 33;
constexpr int kStatusBarHeight = 20;

QToolButton* MakeToolButton(QWidget* parent, const char* name, int left, int width, const char* picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setIcon(QIcon(QString::fromLatin1(picture)));
    button->setIconSize(QSize(16, 16));
    button->setGeometry(left, (kToolbarHeight - 22) / 2, width, 22);
    return button;
}

QLabel* MakeCardLabel(QWidget* parent, const char* name, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

MainWindow::MainWindow(Context context, QWidget* parent)
    : QMainWindow(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_context(std::move(context))
    , m_browser(m_context.store, m_context.services.prompts, m_context.texts, *this)
{
    EnsureProgramPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/images/glossmere-256.png")));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    setCentralWidget(client);
    BuildToolbar(client);
    BuildCardArea(client);
    BuildStatusBar();
    BuildMenu();
    m_maintenance = std::make_unique<MaintenanceCommands>(MaintenanceCommands::Context {
        m_context.store, m_context.services, m_context.texts, m_browser, m_busyPanel, m_context.languageName, this });
    m_files = std::make_unique<FileCommands>(
        FileCommands::Context { m_context.store, m_context.services, m_context.texts, DictionaryFolder() });
    qApp->installEventFilter(this);

    // Creation: settings, language, the dictionary, the first card.
    m_context.settings.LoadSettings();
    m_context.texts.ApplyLanguage(QStringLiteral("form1"), m_context.languageName, this);
    m_dictionaryPath = m_context.settings.File().ReadString(SettingsKeys::kMain, SettingsKeys::kDict, QString());
    if (m_dictionaryPath.isEmpty()) {
        ChooseDictionaryAtFirstStart();
    }
    m_word->clear();
    m_transcription->clear();
    m_translation->clear();
    client->setFixedSize(kClientWidth, kClientHeight - kStatusBarHeight);
    setFixedSize(sizeHint());
    // The window opens in the middle of the available area of its screen.
    Placement::PlaceOver(*this, nullptr);
    OpenAndShow();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::BuildToolbar(QWidget* client)
{
    auto* toolbar = new QWidget(client);
    toolbar->setObjectName(QStringLiteral("ToolBar"));
    toolbar->setGeometry(0, 0, kClientWidth, kToolbarHeight);
    QToolButton* learn = MakeToolButton(toolbar, "LMDSpeedButton3", 3, 166, ":/images/learn.png");
    learn->setText(QStringLiteral("Режим заучивания"));
    learn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QToolButton* remove = MakeToolButton(toolbar, "LMDSpeedButton1", 191, 22, ":/images/remove-card.png");
    remove->setToolTip(QStringLiteral("не изучать это слово"));
    QToolButton* previous = MakeToolButton(toolbar, "LMDSpeedButton4", 215, 22, ":/images/previous-card.png");
    previous->setToolTip(QStringLiteral("следующее слово"));
    QToolButton* next = MakeToolButton(toolbar, "LMDSpeedButton2", 240, 21, ":/images/next-card.png");
    next->setToolTip(QStringLiteral("следующее слово"));
    connect(learn, &QToolButton::clicked, this, &MainWindow::LearningRequested);
    connect(remove, &QToolButton::clicked, this, [this] { Guarded([this] { m_browser.RemoveFromLearning(); }); });
    connect(previous, &QToolButton::clicked, this, [this] { Guarded([this] { m_browser.PreviousStep(); }); });
    connect(next, &QToolButton::clicked, this, [this] { Guarded([this] { m_browser.NextStep(); }); });
    // Says the card's word aloud, in the voice of the dictionary's language.
    m_say = MakeToolButton(toolbar, "LMDSpeedButton_say", 266, 22, "");
    m_say->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    connect(m_say, &QToolButton::clicked, this, &MainWindow::SayWord);
    connect(&m_context.services.speech, &Speech::Changed, this, &MainWindow::ShowSpeechState);
    // Opens the card editor.
    QToolButton* edit = MakeToolButton(toolbar, "LMDSpeedButton_edit", 292, 22, ":/images/edit-cards.png");
    connect(edit, &QToolButton::clicked, this, &MainWindow::EditorRequested);
}

void MainWindow::BuildCardArea(QWidget* client)
{
    m_word = MakeCardLabel(client, "Label_word", TahomaFont(24, true), Qt::red);
    m_word->move(0, 60);
    m_transcription = MakeCardLabel(
        client, "label_transcription", DesignFont(QStringLiteral("Lucida Sans Unicode"), 16), Qt::black);
    m_transcription->move(0, 100);
    m_translation = MakeCardLabel(client, "label_translation", TahomaFont(21), Qt::black);
    m_translation->move(0, 140);

    // Parts of an older picture layout; they stay hidden.
    for (const char* name : { "Image1", "XPSectionLabel1", "LMDLabelFill1" }) {
        auto* unused = new QLabel(client);
        unused->setObjectName(QString::fromLatin1(name));
        unused->hide();
    }

    m_busyPanel = new GradientPanel(client);
    m_busyPanel->setObjectName(QStringLiteral("XPPanel1"));
    m_busyPanel->setText(QStringLiteral("Обновление данных..."));
    m_busyPanel->setGeometry(0, 92, 129, 33);
    m_busyPanel->hide();
}

void MainWindow::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("XPStatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kStatusBarHeight);
    // The position, then the learned cards out of all: room for six-figure counts in
    // either language.
    const int widths[] = { 100, 220, 50 };
    QLabel* panels[3] {};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setAlignment(i == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        bar->addWidget(panel);
        panels[i] = panel;
    }
    m_position = panels[0];
    m_learned = panels[1];
    m_learned->setIndent(12); // apart from the position it follows
}

void MainWindow::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("Файл"));
    QAction* create = file->addAction(QStringLiteral("Новый словарь..."));
    create->setObjectName(QStringLiteral("N_new"));
    QAction* open = file->addAction(QStringLiteral("Открыть словарь..."));
    open->setObjectName(QStringLiteral("N7"));
    file->addSeparator();
    QAction* import = file->addAction(QStringLiteral("Импорт слов..."));
    import->setObjectName(QStringLiteral("N_import"));
    QAction* exportCsv = file->addAction(QStringLiteral("Экспорт в CSV..."));
    exportCsv->setObjectName(QStringLiteral("N_export"));
    file->addSeparator();
    connect(create, &QAction::triggered, this, &MainWindow::NewDictionaryCommand);
    connect(import, &QAction::triggered, this, &MainWindow::ImportWordsCommand);
    connect(exportCsv, &QAction::triggered, this, [this] { Guarded([this] { m_files->ExportCsv(); }); });
    QAction* exit = file->addAction(QStringLiteral("Выход"));
    exit->setObjectName(QStringLiteral("N2"));
    connect(open, &QAction::triggered, this, &MainWindow::OpenDictionaryCommand);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* service = bar->addMenu(QStringLiteral("Сервис"));
    connect(service->addAction(QStringLiteral("Настройки программы")), &QAction::triggered, this,
        &MainWindow::SettingsRequested);
    service->addSeparator();
    connect(service->addAction(QStringLiteral("Информация о словаре")), &QAction::triggered, this,
        [this] { Guarded([this] { m_maintenance->ShowDictionaryInfo(); }); });
    connect(service->addAction(QStringLiteral("Стаститика обучения")), &QAction::triggered, this,
        [this] { Guarded([this] { m_maintenance->ShowStatistics(); }); });
    connect(service->addAction(QStringLiteral("Обнулить статистику обучения")), &QAction::triggered, this,
        [this] { Guarded([this] { m_maintenance->ResetStatistics(); }); });
    connect(service->addAction(QStringLiteral("Вернуть в изучение удаленные карточки")), &QAction::triggered, this,
        [this] { Guarded([this] { m_maintenance->ReturnRemovedCards(); }); });
    QAction* editor = service->addAction(QStringLiteral("Редактор карточек..."));
    editor->setObjectName(QStringLiteral("N_editor"));
    connect(editor, &QAction::triggered, this, &MainWindow::EditorRequested);

    QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
    QAction* helpItem = help->addAction(QStringLiteral("Справка"));
    helpItem->setObjectName(QStringLiteral("N16"));
    connect(helpItem, &QAction::triggered, this, &MainWindow::ShowHelp);
    connect(help->addAction(QStringLiteral("О программе")), &QAction::triggered, this, &MainWindow::AboutRequested);
}

template <class Command> void MainWindow::Guarded(Command&& command)
{
    CommandGuard(m_context.services.prompts).Run(std::forward<Command>(command));
}

QString MainWindow::DictionaryFolder() const
{
    return PrepareDictionaryFolder(m_context.paths);
}

QString MainWindow::DictionaryFilter() const
{
    const QString filter = m_context.texts.LookupMessage(QStringLiteral("form1_message_dictionary_filter"));
    return filter.isEmpty() ? QStringLiteral("Dictionaries (*.dat)") : filter;
}

void MainWindow::ChooseDictionaryAtFirstStart()
{
    Prompts& prompts = m_context.services.prompts;
    m_dialogTitle = m_context.texts.LookupMessage(QStringLiteral("form1_message_select_dictionary"));
    m_dialogFolder = DictionaryFolder();
    for (;;) {
        const QString chosen = prompts.OpenFile(m_dialogTitle, m_dialogFolder, DictionaryFilter());
        if (!chosen.isEmpty()) {
            m_dictionaryPath = chosen;
            m_context.settings.File().WriteString(SettingsKeys::kMain, SettingsKeys::kDict, m_dictionaryPath);
            return;
        }
        if (!prompts.Error(m_context.texts.LookupMessage(QStringLiteral("form1_message_dict_notselect")))) {
            return;
        }
    }
}

void MainWindow::OpenAndShow()
{
    const bool opened = CommandGuard(m_context.services.prompts).Run([this] {
        if (m_dictionaryPath.isEmpty()) {
            throw AppError(UserText(QStringLiteral("form1_message_error_not_chosen"),
                QStringLiteral("No dictionary is chosen. Open one with File > Open dictionary.")));
        }
        m_browser.SetCurrentRecord(m_context.store.OpenDictionary(m_dictionaryPath));
        SetDictionaryCaption();
        m_browser.ShowPosition();
        m_browser.ShowCard(m_browser.CurrentRecord());
    });
    ShowSpeechState();
    // A file that failed to open leaves the dictionary open before it in place: go on
    // showing that one, and let the next start open it too.
    if (!opened && m_context.store.IsOpen()) {
        m_dictionaryPath = m_context.store.Path();
        Guarded([this] {
            m_context.settings.File().WriteString(SettingsKeys::kMain, SettingsKeys::kDict, m_dictionaryPath);
            m_browser.ShowPosition();
            m_browser.ShowCard(m_browser.CurrentRecord());
        });
    }
}

void MainWindow::OpenDictionaryCommand()
{
    // Without the first start's choice, the dialog opens where the current dictionary lies.
    const QString folder = m_dialogFolder.isEmpty() && !m_dictionaryPath.isEmpty()
        ? QFileInfo(m_dictionaryPath).absolutePath()
        : m_dialogFolder;
    const QString chosen = m_context.services.prompts.OpenFile(m_dialogTitle, folder, DictionaryFilter());
    if (!chosen.isEmpty()) {
        SwitchTo(chosen);
        return;
    }
    m_word->clear();
    m_transcription->clear();
    m_translation->clear();
    OpenAndShow();
}

void MainWindow::SwitchTo(const QString& path)
{
    m_dictionaryPath = path;
    m_context.settings.File().WriteString(SettingsKeys::kMain, SettingsKeys::kDict, m_dictionaryPath);
    m_word->clear();
    m_transcription->clear();
    m_translation->clear();
    OpenAndShow();
}

void MainWindow::NewDictionaryCommand()
{
    std::optional<QString> made;
    Guarded([this, &made] { made = m_files->NewDictionary(); });
    if (made) {
        SwitchTo(*made);
        if (m_context.store.IsOpen() && m_context.store.Path() == QFileInfo(*made).absoluteFilePath()) {
            Q_EMIT NewDictionaryOpened();
        }
    }
}

void MainWindow::ImportWordsCommand()
{
    FileCommands::Imported imported;
    Guarded([this, &imported] { imported = m_files->ImportWords(); });
    if (imported.newDictionary) {
        SwitchTo(*imported.newDictionary);
    } else if (imported.openChanged) {
        Guarded([this] { ReloadKeepingCurrentCard(); });
    }
}

void MainWindow::ReloadKeepingCurrentCard()
{
    Dataset& cards = m_context.store.Browser();
    if (m_browser.CurrentRecord() <= 0 || m_browser.CurrentRecord() > cards.RecordCount()) {
        OpenAndShow(); // no card was current: the first one becomes it, as at an opening
        return;
    }
    cards.MoveTo(m_browser.CurrentRecord());
    const qint64 current = cards.RowId();
    m_context.store.ReloadBrowserDataset();
    for (int record = 1; record <= cards.RecordCount(); ++record) {
        cards.MoveTo(record);
        if (cards.RowId() == current) {
            m_browser.SetCurrentRecord(record);
            break;
        }
    }
    m_browser.ShowPosition();
    m_browser.ShowCard(m_browser.CurrentRecord());
}

void MainWindow::SetDictionaryCaption()
{
    const qsizetype slash = m_dictionaryPath.lastIndexOf(QLatin1Char('/'));
    setWindowTitle(QLatin1Char('[') + m_dictionaryPath.mid(slash + 1) + QLatin1Char(']')
        + m_context.texts.LookupMessage(QStringLiteral("form1_message_mode1")));
}

void MainWindow::ShowSpeechState()
{
    const UserText problem = m_context.services.speech.ProblemFor(m_context.store.Language());
    m_say->setEnabled(problem.IsEmpty() && m_context.store.IsOpen());
    const auto lookup = [this](const QString& key) { return m_context.texts.LookupMessage(key); };
    m_say->setToolTip(problem.IsEmpty()
            ? UserText(QStringLiteral("form1_message_button_say_hint"), QStringLiteral("Say the word (key S)"))
                  .In(lookup)
            : problem.In(lookup));
}

void MainWindow::SayWord()
{
    if (!m_say->isEnabled()) {
        return;
    }
    Guarded([this] {
        // A dictionary that does not name its language learns it from the user, once.
        if (m_context.store.Language().isEmpty()) {
            if (!AskWordLanguage(m_context.services.prompts, m_context.services.speech, m_context.store,
                    [this](const QString& key) { return m_context.texts.LookupMessage(key); })) {
                return;
            }
            ShowSpeechState();
        }
        m_context.services.speech.Say(m_shownWord, m_context.store.Language());
    });
}

void MainWindow::ShowCardTexts(const QString& word, const QString& transcription, const QString& translation)
{
    m_shownWord = word;
    // Said as it appears only in a language already known: paging never stops for a question.
    if (m_context.settings.Settings().SayWords && isVisible() && m_say->isEnabled()
        && !m_context.store.Language().isEmpty()) {
        m_context.services.speech.Say(m_shownWord, m_context.store.Language());
    }
    // Each label sizes itself to its text (made to fit the window) and is centred on it.
    // Only the translation may take two lines: below it lies nothing but the status bar.
    for (const auto& [label, text, height] : { std::tuple { m_word, word, 0 },
             std::tuple { m_transcription, transcription, 0 }, std::tuple { m_translation, translation, 44 } }) {
        FittedText::Show(label, text, kClientWidth - 2 * kTextMargin, height, Qt::AlignHCenter);
        label->move(Placement::CentredLeft(kClientWidth, label->width()), label->y());
    }
}

void MainWindow::ShowPositionText(const QString& text)
{
    m_position->setText(text);
}

void MainWindow::ShowLearnedText(const QString& text)
{
    m_learned->setText(text);
}

void MainWindow::ShowHelp()
{
    Guarded([this] {
        const QString file = m_context.paths.ExeFolder
            + (m_context.languageName == QLatin1String("russian") ? QStringLiteral("help/help_ru.html")
                                                                  : QStringLiteral("help/help_en.html"));
        if (!QFileInfo::exists(file)) {
            throw AppError(UserText(QStringLiteral("form1_message_error_help"),
                QStringLiteral("The help page %1 is missing. Reinstalling Glossmere brings it back."),
                { QDir::toNativeSeparators(file) }));
        }
        if (!m_help) {
            m_help = new HelpWindow(m_context.services.shell, this);
            Placement::PlaceOver(*m_help, this);
        }
        m_help->ShowPage(file);
    });
}

void MainWindow::HideToTray()
{
    if (!m_context.tray.IsAvailable()) {
        return; // an ordinary minimize: the task bar brings the window back
    }
    m_context.tray.ShowIcon();
    hide();
}

void MainWindow::BringBack()
{
    // A window already on the screen keeps its place and the user's focus.
    if (isHidden() || isMinimized()) {
        showNormal();
        raise();
        activateWindow();
    }
    m_context.tray.HideIcon();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys page whenever this window is active, before any control takes them;
    // M (the same key of a Russian layout too) starts memorization mode, S says the word.
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (widget == nullptr || widget->window() != this
            || (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            return QMainWindow::eventFilter(watched, event);
        }
        if (key == Qt::Key_Right || key == Qt::Key_Left) {
            Guarded([this, key] { key == Qt::Key_Right ? m_browser.NextStep() : m_browser.PreviousStep(); });
            return true;
        }
        if ((key == Qt::Key_M || key == u'Ь') && !press->isAutoRepeat()) {
            Q_EMIT LearningRequested();
            return true;
        }
        if ((key == Qt::Key_S || key == u'Ы') && !press->isAutoRepeat()) {
            SayWord();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QTimer::singleShot(0, this, &MainWindow::HideToTray);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    m_context.tray.HideIcon();
    Q_EMIT Closed();
}
