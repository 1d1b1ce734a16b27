#pragma once

#include "base/ExerciseKind.h"
#include "store/SqlValue.h"

#include <QString>
#include <array>

// The card table `tab`: its sixteen columns in their fixed order (the learning window reads
// some of them by position), the status values and one card as the dictionary tool and
// the tests build it.
namespace CardTable {

inline constexpr const char* kTable = "tab";

enum Column : int {
    Id = 0,
    Header = 1,
    Transcription = 2,
    Translation = 3,
    Status = 4,
    PartOfSpeech = 5,
    ActiveWord = 6,
    AssociaciyaTrue = 7,
    MozaikaTrue = 8,
    Example = 9,
    Picture = 10,
    ViborPerevodaTrue = 11,
    Comment = 12,
    VspomnitTrue = 13,
    PerevodTrue = 14,
    ParaTrue = 15,
};
inline constexpr int kColumnCount = 16;

struct ColumnInfo {
    const char* name;
    const char* declaration; // as written in CREATE TABLE
};

inline constexpr std::array<ColumnInfo, kColumnCount> kColumns { {
    { "id", "INTEGER PRIMARY KEY" },
    { "header", "TEXT" },
    { "transcription", "TEXT" },
    { "translation", "TEXT" },
    { "status", "TEXT" },
    { "part_of_speech", "TEXT" },
    { "active_word", "INTEGER" },
    { "associaciya_true", "INTEGER" },
    { "mozaika_true", "INTEGER" },
    { "example", "TEXT" },
    { "picture", "BLOB" },
    { "vibor_perevoda_true", "INTEGER" },
    { "comment", "TEXT" },
    { "vspomnit_true", "INTEGER" },
    { "perevod_true", "INTEGER" },
    { "para_true", "INTEGER" },
} };

inline QString ColumnName(int column)
{
    return QString::fromLatin1(kColumns.at(size_t(column)).name);
}

// Returns the column's position, or -1 for a name that is not one of the sixteen.
int FindColumn(QStringView name);

// The right-answer counter column of an exercise kind: "vibor_perevoda_true" for
// vibor_perevoda, and so on.
Column CounterColumn(ExerciseKind kind);

// True for the integer columns: active_word and the six counters (and id).
bool IsIntegerColumn(int column);

// CREATE TABLE for a new dictionary.
QString CreateStatement();

// The status values; a NULL status reads as the empty text, a new card.
namespace StatusValue {
inline constexpr QLatin1String kNew { "" };
inline constexpr QLatin1String kLearning { "learning" };
inline constexpr QLatin1String kLearned { "learned" };
inline constexpr QLatin1String kIgnore { "ignore" };
} // namespace StatusValue

} // namespace CardTable

// One row of `tab`, cell by cell in column order, NULLs kept (a NULL counter reads as 0 in
// the program, but a round trip through the dictionary tool keeps it NULL).
struct CardRecord {
    std::array<SqlValue, CardTable::kColumnCount> values;

    // A new card: the texts given, empty status, not marked, every counter 0, no
    // transcription, example, comment or picture (NULL).
    static CardRecord Make(const QString& header, const QString& translation);

    const SqlValue& operator[](int column) const { return values.at(size_t(column)); }
    SqlValue& operator[](int column) { return values.at(size_t(column)); }
};
