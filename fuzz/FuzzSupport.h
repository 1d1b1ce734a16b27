#pragma once

// What the fuzz targets share. Each target feeds libFuzzer's bytes to one reader of the
// program and checks the promises that reader makes; a broken promise stops the run like a
// crash, so libFuzzer keeps the input that broke it. The targets hold the little state a
// fuzz run needs (a scratch folder, the application object) here, made once per process.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace FuzzSupport {

// Stops the run with the message when the condition does not hold.
void Require(bool condition, const char* promise);

// A folder of this process's own for the files a target writes, removed at exit.
QString ScratchFolder();

// Replaces the file with the bytes; stops the run when that fails, since every later
// check would then test the wrong file.
void WriteFile(const QString& path, const QByteArray& bytes);

// The offscreen application the widgets of a target need, made on the first call.
void EnsureApplication();

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace FuzzSupport
