#pragma once

#include <QString>

struct AppPaths;

// The folder the choose-a-dictionary dialog opens in: the user's own dictionary folder.
// The shipped dictionaries in the data folder's Dicts/ are the program's files, never the
// learner's: an installed copy is read-only, a build tree's is replaced by the next build
// and would hand one user's progress to another. So, wherever the program runs from, the
// shipped dictionaries and their information files are first copied into the user's folder
// (never over a file already there), and the dialog opens there.
QString PrepareDictionaryFolder(const AppPaths& paths);
