#pragma once

#include <QStringList>

// The work the crash test kills: the test executable runs itself again with the child
// flag, and the child loops for ever over one kind of change, reporting each one on
// standard output the moment it has returned (a pipe keeps what was written even when the
// writer is killed).
//   reset PATH FIRST      scramble the dictionary, reset its statistics; FIRST, FIRST + 1, ...
//   return PATH FIRST     scramble it, return its removed cards
//   paging PATH SEED STEP page through it as the main window's buttons do, every question
//                         answered Yes
//   settings PATH FIRST   write the program's settings keys one after another
namespace CrashChild {

inline constexpr const char* kFlag = "--crash-child";

int Run(const QStringList& arguments);

} // namespace CrashChild
