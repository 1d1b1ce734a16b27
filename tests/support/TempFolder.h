#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh temporary folder for one test, removed with everything in it at the end. It can
// make a file or folder write-protected for the test's length: by mode bits for an ordinary
// user, and by the immutable attribute when the tests run as root (who ignores mode bits).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    // Makes `path` read-only (a file) or closed to new files (a folder); false when this
    // system cannot do it, and the test should skip.
    bool Protect(const QString& path);
    // The names of the files in the folder, sorted.
    QStringList Entries() const;

private:
    void Unprotect(const QString& path);

    QTemporaryDir m_dir;
    QStringList m_protected;
};
