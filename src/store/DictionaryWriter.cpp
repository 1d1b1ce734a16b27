#include "store/DictionaryWriter.h"

#include "base/AppError.h"
#include "store/CardInsert.h"
#include "store/DictionaryFile.h"
#include "store/DictionaryProperties.h"
#include "store/SqliteConnection.h"

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
    connection.Execute(QStringLiteral("BEGIN"));
    CardInsert insert(connection);
    for (CardRecord card : cards) {
        if (IsNull(card[CardTable::Id])) {
            card[CardTable::Id] = ++nextId;
        }
        insert.Add(card);
    }
    connection.Execute(QStringLiteral("COMMIT"));
}

} // namespace

namespace DictionaryWriter {

void Write(const QString& path, const std::vector<CardRecord>& cards, Existing existing, const QString& language)
{
    Write(path, existing, language, [&cards](SqliteConnection& connection) { Fill(connection, cards); });
}

void Write(const QString& path, Existing existing, const QString& language, const Filler& fill)
{
    const QFileInfo target(path);
    const auto fail = [&path](const UserText& reason, const QString& detail = {}) {
        throw AppError(UserText(QStringLiteral("form1_message_error_create"), QStringLiteral("Cannot create %1: %2."),
                           { path, reason }),
            detail);
    };
    if (target.isDir()) {
        fail(UserText(QStringLiteral("form1_message_reason_folder"), QStringLiteral("it is a folder")));
    }
    if (existing == Existing::Keep && target.exists()) {
        fail(UserText(QStringLiteral("form1_message_reason_exists"), QStringLiteral("the file exists already")));
    }
    const QString temporary = target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.part").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
    const auto removeTemporary = [&temporary] {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
    };
    removeTemporary();
    std::unique_ptr<SqliteConnection> connection;
    try {
        connection = DictionaryFile::CreateEmpty(temporary);
        connection->Execute(CardTable::CreateStatement());
    } catch (const AppError& error) {
        connection.reset();
        removeTemporary();
        fail(error.Text(), error.Detail());
    }
    // The cards' own failures (bad input, a full disk) already say what went wrong.
    try {
        fill(*connection);
        if (!language.isEmpty()) {
            DictionaryProperties::Write(*connection, DictionaryProperties::kLanguage, language);
        }
        connection.reset();
    } catch (...) {
        connection.reset();
        removeTemporary();
        throw;
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
        fail(error == EEXIST
                ? UserText(QStringLiteral("form1_message_reason_exists"), QStringLiteral("the file exists already"))
                : UserText(QString::fromLocal8Bit(std::strerror(error))));
    }
}

} // namespace DictionaryWriter
