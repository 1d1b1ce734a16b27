#pragma once

#include "base/IniDocument.h"

#include <QString>
#include <functional>

// An INI file on disk. It keeps no handle: every read opens the file, reads it whole and
// closes it; every write reads the file, changes it and replaces it with a complete new
// copy, so a crash or a full disk never leaves a half-written file behind.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& Path() const { return m_path; }

    // The whole file; an empty document when the file is missing or unreadable.
    IniDocument Load() const;

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadFlag(const QString& section, const QString& key, int defaultValue) const;
    QStringList ReadSection(const QString& section) const;

    // Writes one value; false when the file could not be written (it is then unchanged).
    bool WriteString(const QString& section, const QString& key, const QString& value) const;
    bool WriteInteger(const QString& section, const QString& key, int value) const;

    // Reads the file, lets `change` edit it and writes it back in one rewrite, so that the
    // values it changes reach the file together or not at all. False when the file could
    // not be read or written (it is then unchanged).
    bool Edit(const std::function<void(IniDocument&)>& change) const;

    // Replaces the file with the document, durably: once it returns true, a power cut keeps
    // the new copy. False when the file could not be replaced (it is then unchanged) or the
    // replacement could not be made lasting (the folder could not be synced).
    bool Save(const IniDocument& document) const;

private:
    static bool SyncFolder(const QString& folder);

    QString m_path;
};
