#pragma once

#include <QString>

// The information file of a dictionary: its path with the extension replaced by ".inf".
QString InformationFilePath(const QString& dictionaryPath);
