#include "importing/ImportController.h"

#include "base/AppError.h"
#include "base/CommandGuard.h"
#include "base/EventPump.h"
#include "base/Services.h"
#include "i18n/LanguageTable.h"
#include "importing/ImportDialog.h"
#include "importing/SavePath.h"
#include "store/CardTable.h"
#include "store/DictionaryStore.h"
#include "store/DictionaryWriter.h"
#include "words/ImportTexts.h"
#include "words/KvtmlWords.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

struct Cancelled { };

} // namespace

ImportController::ImportController(Context context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
{
    ImportDialog& dialog = m_context.dialog;
    const auto guarded = [this](auto command) {
        return
            [this, command] { CommandGuard(m_context.services.prompts).Run([this, command] { (this->*command)(); }); };
    };
    connect(dialog.ImportButton(), &QPushButton::clicked, this, guarded(&ImportController::RunImport));
    connect(dialog.BrowseButton(), &QPushButton::clicked, this, guarded(&ImportController::Browse));
    connect(dialog.CancelButton(), &QPushButton::clicked, this,
        [this] { m_running ? void(m_cancelRequested = true) : m_context.dialog.reject(); });
    connect(&dialog, &QDialog::rejected, this, [this] { m_cancelRequested = m_running; });
    dialog.Preview()->setHorizontalHeaderLabels(
        { Text("preview_word"), Text("preview_transcription"), Text("preview_translation"), Text("preview_part") });
    connect(dialog.EncodingBox(), &QComboBox::currentIndexChanged, this,
        [this] { CommandGuard(m_context.services.prompts).Run([this] { FillChoices(); }); });
    for (int field = 0; field < kWordFieldCount; ++field) {
        connect(dialog.ColumnBox(WordField(field)), &QComboBox::currentIndexChanged, this,
            [this] { CommandGuard(m_context.services.prompts).Run([this] { ShowPreview(); }); });
    }
}

QString ImportController::Text(const char* key) const
{
    return m_context.texts.LookupMessage(QStringLiteral("formimport_message_") + QLatin1String(key));
}

void ImportController::Browse()
{
    const QString chosen
        = m_context.services.prompts.OpenFile(Text("open_title"), QFileInfo(m_path).absolutePath(), Text("filter"));
    if (!chosen.isEmpty()) {
        Load(chosen);
    }
}

void ImportController::Load(const QString& path)
{
    const WordFile::Kind kind = WordFile::Inspect(path);
    const std::unique_ptr<WordSource> source = WordFile::Open(path, kind);
    m_path = path;
    m_kind = kind;
    m_detected = kind.encoding;
    m_newDictionary.reset();
    m_changedOpen = false;
    ImportDialog& dialog = m_context.dialog;
    dialog.FileEdit()->setText(QDir::toNativeSeparators(path));
    const auto* document = dynamic_cast<const KvtmlWords*>(source.get());
    dialog.FormatText()->setText(document      ? Text("format_kvtml").arg(document->Version())
            : kind.format == WordFormat::Notes ? Text("format_notes")
            : kind.format == WordFormat::Tsv   ? Text("format_tsv")
                                               : Text("format_csv"));
    dialog.IntoOpenButton()->setEnabled(m_context.store.IsOpen());
    if (!m_context.store.IsOpen()) {
        dialog.IntoNewButton()->setChecked(true);
    }
    dialog.Progress()->setValue(0);
    const QString names[]
        = { Text("encoding_auto"), QStringLiteral("UTF-8"), QStringLiteral("Windows-1251"), QStringLiteral("Latin-1") };
    m_filling = true;
    dialog.EncodingBox()->clear();
    for (int item = 0; item < 4; ++item) {
        dialog.EncodingBox()->addItem(item == 0 ? names[0].arg(names[1 + int(m_detected)]) : names[item]);
    }
    dialog.EncodingBox()->setEnabled(kind.format != WordFormat::Kvtml);
    m_filling = false;
    FillChoices();
}

std::unique_ptr<WordSource> ImportController::OpenSource() const
{
    WordFile::Kind kind = m_kind;
    const int chosen = m_context.dialog.EncodingBox()->currentIndex();
    kind.encoding = chosen <= 0 ? m_detected : TextEncoding(chosen - 1);
    return WordFile::Open(m_path, kind);
}

void ImportController::FillChoices()
{
    if (m_filling || m_path.isEmpty()) {
        return;
    }
    const std::unique_ptr<WordSource> source = OpenSource();
    m_sourceColumns = source->Columns();
    m_linesArePlaces = source->PlacesAreLines();
    const ColumnMapping mapping = source->DefaultMapping();
    m_filling = true;
    for (int field = 0; field < kWordFieldCount; ++field) {
        QComboBox* box = m_context.dialog.ColumnBox(WordField(field));
        box->clear();
        box->addItem(Text("column_none"), -1);
        for (size_t column = 0; column < m_sourceColumns.size(); ++column) {
            const WordColumn& named = m_sourceColumns[column];
            const QString name = named.name.isEmpty() ? Text("column_number").arg(column + 1) : named.name;
            box->addItem(named.pronunciation ? Text("column_pronunciation").arg(name) : name, int(column));
        }
        box->setCurrentIndex(box->findData(mapping.columns.at(size_t(field))));
    }
    m_filling = false;
    ShowPreview();
}

ColumnMapping ImportController::ChosenMapping() const
{
    ColumnMapping mapping;
    for (int field = 0; field < kWordFieldCount; ++field) {
        mapping.columns.at(size_t(field)) = m_context.dialog.ColumnBox(WordField(field))->currentData().toInt();
    }
    return mapping;
}

void ImportController::ShowPreview()
{
    if (m_filling || m_path.isEmpty()) {
        return;
    }
    QTableWidget* preview = m_context.dialog.Preview();
    preview->clearContents();
    preview->clearSpans();
    const std::unique_ptr<WordSource> source = OpenSource();
    const ColumnMapping mapping = ChosenMapping();
    const auto lookup = [this](const QString& key) { return m_context.texts.LookupMessage(key); };
    WordRow row;
    for (int shown = 0; shown < ImportDialog::kPreviewRows && source->Next(row); ++shown) {
        const WordImport::RowCard made = WordImport::CardOf(row, mapping);
        if (!made.rejection.IsEmpty()) {
            auto* item = new QTableWidgetItem(
                ImportTexts::AtPlace(source->PlacesAreLines(), row.place, made.rejection).In(lookup));
            item->setForeground(Qt::darkRed);
            preview->setItem(shown, 0, item);
            preview->setSpan(shown, 0, 1, preview->columnCount());
            continue;
        }
        const int columns[]
            = { CardTable::Header, CardTable::Transcription, CardTable::Translation, CardTable::PartOfSpeech };
        for (int cell = 0; cell < 4; ++cell) {
            const auto* text = std::get_if<QString>(&made.card[columns[cell]]);
            preview->setItem(shown, cell, new QTableWidgetItem(text ? *text : QString()));
        }
    }
}

void ImportController::RunImport()
{
    if (m_running || m_path.isEmpty()) {
        return;
    }
    const ColumnMapping mapping = ChosenMapping();
    if (mapping[WordField::Word] < 0 || mapping[WordField::Translation] < 0) {
        throw AppError(UserText(QStringLiteral("formimport_message_choose_columns"),
            QStringLiteral("Choose the columns of the words and of their translations.")));
    }
    std::optional<QString> target;
    if (m_context.dialog.IntoNewButton()->isChecked()) {
        target = AskSavePath(m_context.services.prompts, m_context.texts, Text("new_title"), m_context.folder,
            m_context.texts.LookupMessage(QStringLiteral("form1_message_dictionary_filter")), QStringLiteral("dat"));
        if (!target) {
            return;
        }
    }
    SetBusy(true);
    WordImport::Outcome outcome;
    try {
        if (target) {
            DictionaryWriter::Write(
                *target, DictionaryWriter::Existing::Replace, {}, [this, &outcome](SqliteConnection& connection) {
                    outcome = ImportInto(connection);
                    if (outcome.cancelled) {
                        throw Cancelled(); // no dictionary is made
                    }
                });
        } else {
            outcome = ImportInto(m_context.store.Connection());
            m_changedOpen = outcome.imported > 0;
        }
    } catch (const Cancelled&) {
        outcome.cancelled = true;
    } catch (...) {
        SetBusy(false);
        throw;
    }
    SetBusy(false);
    if (target && !outcome.cancelled) {
        m_newDictionary = target;
    }
    ShowOutcome(outcome);
    if (!outcome.cancelled) {
        m_context.dialog.accept();
    }
}

WordImport::Outcome ImportController::ImportInto(SqliteConnection& connection)
{
    const std::unique_ptr<WordSource> source = OpenSource();
    return WordImport::Run(connection, *source, ChosenMapping(),
        [this](qint64 done, qint64 total) { return ReportProgress(done, total); });
}

bool ImportController::ReportProgress(qint64 done, qint64 total)
{
    QProgressBar* bar = m_context.dialog.Progress();
    bar->setValue(total > 0 ? int(done * bar->maximum() / total) : bar->maximum());
    m_context.services.events.ProcessPendingEvents();
    return !m_cancelRequested;
}

void ImportController::SetBusy(bool busy)
{
    m_running = busy;
    m_cancelRequested = false;
    ImportDialog& dialog = m_context.dialog;
    for (QWidget* control : std::initializer_list<QWidget*> { dialog.ImportButton(), dialog.BrowseButton(),
             dialog.EncodingBox(), dialog.IntoOpenButton(), dialog.IntoNewButton() }) {
        control->setEnabled(!busy);
    }
    dialog.EncodingBox()->setEnabled(!busy && m_kind.format != WordFormat::Kvtml);
    dialog.IntoOpenButton()->setEnabled(!busy && m_context.store.IsOpen());
    for (int field = 0; field < kWordFieldCount; ++field) {
        dialog.ColumnBox(WordField(field))->setEnabled(!busy);
    }
    dialog.Progress()->setValue(0);
    dialog.Progress()->setVisible(busy);
}

void ImportController::ShowOutcome(const WordImport::Outcome& outcome)
{
    Prompts& prompts = m_context.services.prompts;
    if (outcome.cancelled) {
        prompts.Information(Text("cancelled"));
        return;
    }
    QString text = Text("result").arg(outcome.imported).arg(outcome.duplicates).arg(outcome.rejected);
    if (!outcome.firstRejections.empty()) {
        const auto lookup = [this](const QString& key) { return m_context.texts.LookupMessage(key); };
        text += QStringLiteral("\n\n") + Text("first_rejections");
        for (const UserText& rejection : outcome.firstRejections) {
            text += QStringLiteral("\n") + rejection.In(lookup);
        }
    }
    prompts.Information(text);
}
