#include "importing/FileCommands.h"

#include "base/Prompts.h"
#include "base/Services.h"
#include "i18n/LanguageTable.h"
#include "importing/ImportController.h"
#include "importing/ImportDialog.h"
#include "importing/SavePath.h"
#include "store/CardCsv.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryStore.h"
#include "store/DictionaryWriter.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>

FileCommands::FileCommands(Context context)
    : m_context(std::move(context))
    , m_showModal([](QDialog& dialog) { dialog.exec(); })
    , m_wordListFolder(m_context.dictionaryFolder)
{
}

FileCommands::~FileCommands() = default;

QString FileCommands::Message(const char* key) const
{
    return m_context.texts.LookupMessage(QString::fromLatin1(key));
}

void FileCommands::SetImportDialog(ImportDialog* dialog)
{
    m_dialog = dialog;
    m_controller = std::make_unique<ImportController>(ImportController::Context {
        *dialog, m_context.services, m_context.texts, m_context.store, m_context.dictionaryFolder });
}

std::optional<QString> FileCommands::NewDictionary()
{
    const std::optional<QString> path
        = AskSavePath(m_context.services.prompts, m_context.texts, Message("form1_message_new_dictionary_title"),
            m_context.dictionaryFolder, Message("form1_message_dictionary_filter"), QStringLiteral("dat"));
    if (path) {
        DictionaryWriter::Write(*path, {}, DictionaryWriter::Existing::Replace);
    }
    return path;
}

FileCommands::Imported FileCommands::ImportWords()
{
    if (m_dialog == nullptr) {
        return {};
    }
    const QString chosen = m_context.services.prompts.OpenFile(
        Message("formimport_message_open_title"), m_wordListFolder, Message("formimport_message_filter"));
    if (chosen.isEmpty()) {
        return {};
    }
    m_wordListFolder = QFileInfo(chosen).absolutePath();
    m_controller->Load(chosen);
    m_showModal(*m_dialog);
    return { m_controller->NewDictionary(), m_controller->ChangedOpenDictionary() };
}

void FileCommands::ExportCsv()
{
    if (!m_context.store.IsOpen()) {
        return;
    }
    const QFileInfo dictionary(m_context.store.Path());
    const std::optional<QString> path = AskSavePath(m_context.services.prompts, m_context.texts,
        Message("form1_message_export_title"), dictionary.absoluteDir().filePath(dictionary.completeBaseName()),
        Message("form1_message_csv_filter"), QStringLiteral("csv"));
    if (!path) {
        return;
    }
    const std::vector<CardRecord> cards = DictionaryFile::ReadCards(m_context.store.Connection());
    CardCsv::WriteFile(*path, cards);
    m_context.services.prompts.Information(Message("form1_message_export_ok").arg(cards.size()));
}
