#include "base/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

IniDocument IniFile::Load() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return IniDocument::Parse(file.readAll());
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return Load().ReadString(section, key, defaultValue);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    return Load().ReadInteger(section, key, defaultValue);
}

bool IniFile::ReadFlag(const QString& section, const QString& key, int defaultValue) const
{
    return Load().ReadFlag(section, key, defaultValue);
}

QStringList IniFile::ReadSection(const QString& section) const
{
    return Load().ReadSection(section);
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    return Edit([&](IniDocument& document) { document.Write(section, key, value); });
}

bool IniFile::Edit(const std::function<void(IniDocument&)>& change) const
{
    // A file that exists but cannot be read is left alone: rewriting it from an empty
    // document would lose everything else it holds.
    QFile file(m_path);
    if (file.exists() && !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    IniDocument document = file.isOpen() ? IniDocument::Parse(file.readAll()) : IniDocument();
    file.close();
    change(document);
    return Save(document);
}

bool IniFile::WriteInteger(const QString& section, const QString& key, int value) const
{
    return WriteString(section, key, QString::number(value));
}

bool IniFile::Save(const IniDocument& document) const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = document.Serialize();
    // The copy is flushed here, where a failure counts: commit() flushes too, but goes on to
    // put a copy cut short by a full disk in place of the file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit() && SyncFolder(QFileInfo(m_path).absolutePath());
}

bool IniFile::SyncFolder(const QString& folder)
{
    // commit() syncs the new copy and renames it over the file, but the rename lives in the
    // folder: until the folder reaches the disk, a power cut brings the old copy back.
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}
