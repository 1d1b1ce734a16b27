#pragma once

#include <QStringList>

class QTextStream;

// glossmere-dict, the command people use to make and inspect dictionaries:
//   create [--force] OUT.dat IN        make a dictionary from CSV (or .tsv) cards, or from a
//                                      word list of another format (see WordLists)
//   import DICT.dat IN                 add a word list's words to a dictionary as new cards
//   export [--force] IN.dat [OUT.csv]  write every card and column as CSV (to standard
//                                      output without OUT)
//   stats IN.dat                       count the cards by status
//   check IN.dat                       tell whether the file is a valid dictionary, and why not
// It never overwrites a file without --force. Exit status: kOk, kFailed for bad input or a
// file problem (the message says which, with the line number for CSV), kUsage for a
// command line it does not understand.
namespace DictionaryTool {

inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

// Runs one command; `arguments` leaves out the program's name. Results (and export's CSV
// when it has no output file) go to `out`, messages to `err`.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString Usage();

} // namespace DictionaryTool
