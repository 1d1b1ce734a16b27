#pragma once

#include <QString>

struct AppPaths;

// The folder the choose-a-dictionary dialog opens in. In the build tree that is the data
// folder's Dicts/. An installed program's data folder belongs to the system (and is
// read-only for users): a dictionary opened there could never record progress, so the
// shipped dictionaries and their information files are first copied into the user's own
// folder (never over a file already there), and the dialog opens there.
QString PrepareDictionaryFolder(const AppPaths& paths);
