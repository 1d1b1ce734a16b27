#pragma once

#include <QCollator>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class SqliteConnection;

// The order of cards in every list the program shows or drills: by `header` as people expect
// of a dictionary (case-insensitive, accents after the plain letter, the Unicode collation
// of every script, so "apple" < "Banana" < "ёж" < "Яблоко"), and cards with equal headers by
// their `id`. The same collation is independent of the machine's locale, so a dictionary
// reads in one order everywhere and record numbers mean the same on every machine.
//
// Large lists are sorted in the program through collation sort keys (one key per card, then
// plain byte comparisons); SQL that must order or pick rows itself uses the same collation,
// registered on the connection under kCollation.
//
// Headers of printable ASCII alone (most of an English dictionary) take a shortcut: each of
// the 95 characters is one collation element of its own, so their collation order is the
// order of their sequences of character ranks, and the ranks are taken from the collator
// itself once. A list is sorted by ranks when all its headers are ASCII, else by the
// collator's keys; the results are the same, several times faster.
class HeaderOrder {
public:
    static constexpr const char* kCollation = "header_order";

    HeaderOrder();
    HeaderOrder(const HeaderOrder&) = delete;
    HeaderOrder& operator=(const HeaderOrder&) = delete;

    // < 0, 0 or > 0 as a's header sorts before, with or after b's.
    int Compare(QStringView a, QStringView b) const;

    // Sorts row numbers 0..count-1 by header, then id; header(row) gives a row's header
    // text, id(row) its id.
    std::vector<int> Sort(
        int count, const std::function<QString(int)>& header, const std::function<qint64(int)>& id) const;

    // Makes "COLLATE header_order" available to the connection's SQL. This object must
    // outlive the connection.
    void Register(SqliteConnection& connection) const;

private:
    // The rank of a printable ASCII character (0x20..0x7e) in the collation, from 1; characters
    // the collation holds equal (a and A) share a rank.
    static constexpr char16_t kFirstAscii = 0x20;
    static constexpr char16_t kLastAscii = 0x7e;
    static bool IsAscii(QStringView text);
    int CompareAscii(QStringView a, QStringView b) const;
    std::vector<int> SortAscii(const std::vector<QString>& headers, const std::vector<qint64>& ids) const;

    QCollator m_collator;
    std::array<unsigned char, kLastAscii - kFirstAscii + 1> m_rank {};
};
