#include "editor/CardEditorWindow.h"

#include "base/CommandGuard.h"
#include "base/Prompts.h"
#include "base/UserText.h"
#include "base/WordLanguages.h"
#include "editor/CardListModel.h"
#include "editor/PartOfSpeechDelegate.h"
#include "i18n/LanguageTable.h"
#include "store/DictionaryStore.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The table's columns' widths at first: the texts wide, the counters narrow; the
// translation takes what the window has left.
constexpr int kColumnWidths[] = { 130, 110, 190, 120, 150, 76, 76, 76, 76 };

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the table (it edits a cell), never to a default button.
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

CardEditorWindow::CardEditorWindow(Context context, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
            | Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_model(new CardListModel(context.store, context.prompts, context.texts, this))
{
    setObjectName(QStringLiteral("Form_editor"));
    setWindowTitle(QStringLiteral("Редактор карточек"));
    BuildControls();
    BuildKeys();
    resize(1000, 560);
    connect(m_model, &CardListModel::CardsChanged, this, &CardEditorWindow::CardsChanged);
    connect(m_model, &CardListModel::CardsChanged, this, &CardEditorWindow::ShowCount);
    connect(m_model, &CardListModel::modelReset, this, &CardEditorWindow::ShowCount);
    connect(m_model, &CardListModel::CardPlaced, this, &CardEditorWindow::ShowPlaced);
}

void CardEditorWindow::BuildControls()
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("Edit_search"));
    m_search->setClearButtonEnabled(true);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("ComboBox_language"));
    auto* top = new QHBoxLayout;
    top->addWidget(MakeLabel(this, "Label_search", QStringLiteral("Поиск:")));
    top->addWidget(m_search, 1);
    top->addSpacing(16);
    top->addWidget(MakeLabel(this, "Label_language", QStringLiteral("Язык слов:")));
    top->addWidget(m_language);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Grid_cards"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    m_table->setItemDelegateForColumn(CardListModel::PartOfSpeech, new PartOfSpeechDelegate(*m_model, m_table));
    // A fixed row height: the table never measures 100,000 rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_table->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 0; column < CardListModel::kColumnCount; ++column) {
        m_table->setColumnWidth(column, kColumnWidths[column]);
    }
    m_table->horizontalHeader()->setSectionResizeMode(CardListModel::Translation, QHeaderView::Stretch);
    connect(m_table, &QTableView::activated, m_table, [this](const QModelIndex& index) { m_table->edit(index); });

    m_add = MakeButton(this, "Button_add", QStringLiteral("Добавить карточку"));
    m_delete = MakeButton(this, "Button_delete", QStringLiteral("Удалить"));
    m_count = MakeLabel(this, "Label_count", QString());
    QPushButton* close = MakeButton(this, "Button_close", QStringLiteral("Закрыть"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_add);
    bottom->addWidget(m_delete);
    bottom->addStretch(1);
    bottom->addWidget(m_count);
    bottom->addSpacing(16);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    connect(m_search, &QLineEdit::textChanged, m_model, &CardListModel::SetFilter);
    connect(m_language, &QComboBox::activated, this, &CardEditorWindow::ChooseLanguage);
    connect(m_add, &QPushButton::clicked, this, &CardEditorWindow::AddCard);
    connect(m_delete, &QPushButton::clicked, this, &CardEditorWindow::DeleteSelectedCards);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void CardEditorWindow::BuildKeys()
{
    auto* add = new QAction(this);
    add->setShortcuts({ QKeySequence(Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_N) });
    connect(add, &QAction::triggered, this, &CardEditorWindow::AddCard);
    addAction(add);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, m_search, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    addAction(find);
    // Delete belongs to the table only: in the search box or a cell it deletes letters.
    auto* remove = new QAction(m_table);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &CardEditorWindow::DeleteSelectedCards);
    m_table->addAction(remove);
}

QString CardEditorWindow::Message(const char* key) const
{
    return m_context.texts.LookupMessage(QString::fromLatin1(key));
}

void CardEditorWindow::OpenDictionary()
{
    m_search->setPlaceholderText(Message("form_editor_message_search_hint"));
    m_model->Reload();
    FillLanguages();
    m_add->setEnabled(m_context.store.IsOpen());
    m_language->setEnabled(m_context.store.IsOpen());
    ShowCount();
}

void CardEditorWindow::FillLanguages()
{
    const QString current = m_context.store.Language();
    m_language->clear();
    // "Not set", then the languages the program can name (WordLanguages).
    m_language->addItem(m_context.texts.LookupMessage(QStringLiteral("form_editor_message_language_none")), QString());
    for (const QString& code : WordLanguages::Codes()) {
        m_language->addItem(
            UserText(WordLanguages::NameKey(code), WordLanguages::EnglishName(code)).In([this](const QString& key) {
                return m_context.texts.LookupMessage(key);
            }),
            code);
    }
    int found = m_language->findData(current);
    if (found < 0) {
        // A language the list does not name still shows, by its code.
        m_language->addItem(current, current);
        found = m_language->count() - 1;
    }
    m_language->setCurrentIndex(found);
}

void CardEditorWindow::ChooseLanguage(int item)
{
    const QString code = m_language->itemData(item).toString();
    if (code == m_context.store.Language()) {
        return;
    }
    if (CommandGuard(m_context.prompts).Run([this, &code] { m_context.store.SetLanguage(code); })) {
        Q_EMIT LanguageChanged();
    } else {
        m_language->setCurrentIndex(m_language->findData(m_context.store.Language()));
    }
}

void CardEditorWindow::ShowCount()
{
    m_count->setText(Message("form_editor_message_count").arg(m_model->ShownCount()).arg(m_model->CardCount()));
}

void CardEditorWindow::ShowPlaced(const QModelIndex& index)
{
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index);
}

void CardEditorWindow::AddCard()
{
    if (!m_context.store.IsOpen()) {
        return;
    }
    const QModelIndex word = m_model->AddDraft();
    m_table->scrollToTop();
    m_table->setFocus();
    ShowPlaced(word);
    m_table->edit(word);
}

void CardEditorWindow::DeleteSelectedCards()
{
    std::vector<int> rows;
    for (const QModelIndex& selected : m_table->selectionModel()->selectedRows()) {
        rows.push_back(selected.row());
    }
    if (rows.empty() && m_table->currentIndex().isValid()) {
        rows.push_back(m_table->currentIndex().row());
    }
    const auto cards = std::count_if(rows.begin(), rows.end(), [this](int row) { return m_model->RecordAt(row) > 0; });
    if (rows.empty()
        || (cards > 0
            && !m_context.prompts.ConfirmIrreversible(Message("form_editor_message_delete_question").arg(cards)))) {
        return;
    }
    const int first = *std::min_element(rows.begin(), rows.end());
    if (m_model->DeleteRows(rows) && m_model->rowCount() > 0) {
        ShowPlaced(m_model->index(qMin(first, m_model->rowCount() - 1), CardListModel::Word));
    }
}
