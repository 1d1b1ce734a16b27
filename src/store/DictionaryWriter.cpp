#include "store/DictionaryWriter.h"

#include "base/AppError.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryProperties.h"
#include "store/SqliteConnection.h"
#include "store/SqliteStatement.h"
#include "store/StatementCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// Cards without an id get the next ones after the largest given, in order, so an id given
// further down cannot collide with one the engine would have chosen.
qint64 LargestId(const std::vector<CardRecord>& cards)
{
    qint64 largest = 0;
    for (const CardRecord& card : cards) {
        if (const auto* id = std::get_if<qint64>(&card[CardTable::Id])) {
            largest = qMax(largest, *id);
        }
    }
    return largest;
}

void Fill(SqliteConnection& connection, const std::vector<CardRecord>& cards)
{
    qint64 nextId = LargestId(cards);
    connection.Execute(CardTable::CreateStatement());
    connection.Execute(QStringLiteral("BEGIN"));
    SqliteStatement insert(connection, StatementCatalogue::CardInsert());
    std::array<QByteArray, CardTable::kColumnCount> parameters;
    for (int column = 0; column < CardTable::kColumnCount; ++column) {
        parameters.at(size_t(column)) = StatementCatalogue::CardInsertParameter(column);
    }
    for (const CardRecord& card : cards) {
        for (int column = 0; column < CardTable::kColumnCount; ++column) {
            const bool newId = column == CardTable::Id && IsNull(card[column]);
            insert.Bind(parameters.at(size_t(column)).constData(), newId ? SqlValue(++nextId) : card[column]);
        }
        insert.Run();
    }
    connection.Execute(QStringLiteral("COMMIT"));
}

} // namespace

namespace DictionaryWriter {

void Write(const QString& path, const std::vector<CardRecord>& cards, Existing existing, const QString& language)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        throw AppError(QStringLiteral("Cannot create %1: it is a folder.").arg(path));
    }
    if (existing == Existing::Keep && target.exists()) {
        throw AppError(QStringLiteral("Cannot create %1: the file exists already.").arg(path));
    }
    const QString temporary = target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.part").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
    try {
        auto connection = DictionaryFile::CreateEmpty(temporary);
        Fill(*connection, cards);
        if (!language.isEmpty()) {
            DictionaryProperties::Write(*connection, DictionaryProperties::kLanguage, language);
        }
    } catch (const AppError& error) {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
        throw AppError(QStringLiteral("Cannot create %1: %2").arg(path, error.Message()));
    }
    // rename() replaces the target in one step, so readers see the old file or the new one;
    // link() puts the file in place only if the name is still free.
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    const int result = existing == Existing::Replace ? std::rename(from.constData(), to.constData())
                                                     : ::link(from.constData(), to.constData());
    const int error = errno;
    QFile::remove(temporary);
    if (result != 0) {
        const QString reason = error == EEXIST ? QStringLiteral("the file exists already")
                                               : QString::fromLocal8Bit(std::strerror(error));
        throw AppError(QStringLiteral("Cannot create %1: %2.").arg(path, reason));
    }
}

} // namespace DictionaryWriter
