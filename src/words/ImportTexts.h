#pragma once

#include "base/UserText.h"

// The texts the word-list readers and the import compose, keyed for the language files
// ([Form1] message_error_import, message_import_reason_*, message_import_reject_*).
namespace ImportTexts {

// "Cannot import words from FILE: REASON." Throws it as an AppError with the detail given.
[[noreturn]] void Fail(const QString& path, const UserText& reason, const QString& detail = {});

// A reason the file cannot be imported at all: message_import_reason_<name>.
UserText Reason(const char* name, const char* english, std::vector<UserText> arguments = {});
// Why one row was not imported: message_import_reject_<name>.
UserText Rejection(const char* name, const char* english, std::vector<UserText> arguments = {});
// "line 12: no translation" or "entry 12: ...".
UserText AtPlace(bool line, qint64 place, const UserText& reason);

} // namespace ImportTexts
