#pragma once

#include <QByteArrayView>
#include <QString>

// The encodings a word list may come in, and telling them apart. A file with a UTF-8
// byte-order mark, or whose bytes are valid UTF-8, is UTF-8. Otherwise it is one of the two
// single-byte encodings learners' lists are found in, and the letters decide: Russian text
// in Windows-1251 writes whole words of bytes from 0xC0 up, so most such bytes stand next
// to another one; Latin-1 text puts an accented letter here and there among plain ones.
enum class TextEncoding { Utf8, Windows1251, Latin1 };

namespace TextEncodings {

// The encoding of a text from a sample of its first bytes. A multi-byte character cut off
// at the end of the sample does not count against UTF-8.
TextEncoding Detect(QByteArrayView sample);

// Decodes bytes; `valid` (when given) is false for bytes that are not valid UTF-8 (the
// single-byte encodings take any byte).
QString Decode(QByteArrayView bytes, TextEncoding encoding, bool* valid = nullptr);

// "utf-8", "windows-1251", "latin-1": the names the dictionary tool takes (case does not
// matter; "cp1251" and "iso-8859-1" too). False for a name it does not know.
bool FromName(const QString& name, TextEncoding& encoding);

} // namespace TextEncodings
