#include "store/InformationFile.h"

#include <QFileInfo>

QString InformationFilePath(const QString& dictionaryPath)
{
    // Only the file name's extension is replaced: a dot in a folder name does not matter.
    const QFileInfo file(dictionaryPath);
    const QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    return file.path() + QLatin1Char('/') + base + QStringLiteral(".inf");
}
