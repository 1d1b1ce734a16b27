#pragma once

#include <QString>
#include <optional>

// One "key=value" line of a language file section, split the way the program reads it:
//  - key: the text before the first "=";
//  - value: everything after the first "=", so a value may itself hold "=";
//  - kind: the leading text of the whole line up to the first digit 1 to 9 or "_"
//    ("Label3" is a "Label", "MainMenu1[0][2]" a "MainMenu", "message_delete" a
//    "message"; the digit 0 does not end the kind). A line with no such character has no
//    kind any window handles.
struct LanguageEntry {
    QString Line;
    QString Key;
    QString Value;
    QString Kind;

    static LanguageEntry Parse(const QString& line);
};

// The item a main-menu entry addresses: "MainMenu1[i]" is top-level item i,
// "MainMenu1[i][j]" item j of top-level item i (counted from 0, separators included).
struct MenuTarget {
    int Top = 0;
    int Item = 0;
    bool IsTopLevel = false;
};

// i is read between the first "[" and the first "]" of the whole entry, j between the last
// "[" and the last "]"; the entry names a top-level item when i equals j and it holds a
// single "]". Nothing when the brackets do not enclose integers.
std::optional<MenuTarget> ParseMenuEntry(const QString& line);
