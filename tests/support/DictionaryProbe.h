#pragma once

#include "store/SqlValue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Looks at a dictionary file behind the store's back, through a connection of its own, so a
// test sees what is really in the file.
namespace DictionaryProbe {

// One cell of the card with this id (NULL as std::monostate).
SqlValue Value(const QString& path, qint64 id, const QString& column);
QString Text(const QString& path, qint64 id, const QString& column);
qint64 Integer(const QString& path, qint64 id, const QString& column);
// One column of every card, in id order, as text (NULL as "<null>").
QStringList Column(const QString& path, const QString& column);
// The first column of the first row of a query.
QString Query(const QString& path, const QString& sql);
// Runs SQL on the file (to make it unusual: NULLs, triggers, odd rows).
void Execute(const QString& path, const QString& sql);
// The file's bytes, to prove that nothing was written.
QByteArray Bytes(const QString& path);

} // namespace DictionaryProbe
