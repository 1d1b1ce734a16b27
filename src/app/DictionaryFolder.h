#pragma once

#include <QString>

struct AppPaths;

// The folder the choose-a-dictionary dialog opens in. Where the data folder's Dicts/ is
// writable (the build tree), that is it. An installed program's data folder is read-only,
// and a dictionary opened there could never record progress, so the shipped dictionaries
// and their information files are first copied into the user's own folder (never over a
// file already there), and the dialog opens there.
QString PrepareDictionaryFolder(const AppPaths& paths);
