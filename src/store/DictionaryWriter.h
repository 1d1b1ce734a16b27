#pragma once

#include "store/CardTable.h"

#include <QString>
#include <functional>
#include <vector>

class SqliteConnection;

// Makes dictionary files: the dictionary tool's `create`, the build of the shipped
// dictionaries, the tests and the benchmark all make theirs here.
namespace DictionaryWriter {

enum class Existing { Keep, Replace };

// Writes a new dictionary holding `cards` in the given order; cards whose id is NULL are
// numbered after the largest id given. The file appears whole or not at all: it is written under a temporary
// name in the same folder and renamed over `path` only when complete. With Existing::Keep an
// existing file is an error and is left alone. Throws AppError naming the file and reason.
// A language code, when given, is kept as the dictionary's language.
void Write(const QString& path, const std::vector<CardRecord>& cards, Existing existing = Existing::Keep,
    const QString& language = {});

// The same for a dictionary whose cards come from elsewhere (an import): `fill` gets the new
// file, its card table made and empty, and adds the cards in transactions of its own. An
// exception from it leaves no file behind and is reported as the failure to create `path`.
using Filler = std::function<void(SqliteConnection&)>;
void Write(const QString& path, Existing existing, const QString& language, const Filler& fill);

} // namespace DictionaryWriter
