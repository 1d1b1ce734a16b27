// Fuzzes the CSV card reader of `glossmere-dict create`, with commas and with tabs.
//
// Whatever the bytes, reading either gives cards or stops with an AppError that names the
// line ("line N: ..."). Cards that were read are written as CSV again and read back equal,
// NULLs, empty texts and pictures included: a dictionary exported and created again is the
// same dictionary.

#include "FuzzSupport.h"
#include "base/AppError.h"
#include "store/CardCsv.h"

#include <cstdio>

using FuzzSupport::Require;

namespace {

bool SameCards(const std::vector<CardRecord>& a, const std::vector<CardRecord>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t card = 0; card < a.size(); ++card) {
        if (a[card].values != b[card].values) {
            return false;
        }
    }
    return true;
}

void CheckRoundTrip(const QByteArray& text, CardCsv::Separator separator)
{
    std::vector<CardRecord> cards;
    try {
        cards = CardCsv::Parse(text, separator);
    } catch (const AppError& error) {
        Require(error.Message().startsWith(QLatin1String("line ")), "a reading error names the line");
        return;
    }
    const QByteArray written = CardCsv::Write(cards, separator);
    std::vector<CardRecord> reread;
    try {
        reread = CardCsv::Parse(written, separator);
    } catch (const AppError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        Require(false, "written cards can be read again");
    }
    Require(SameCards(cards, reread), "written cards read back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = FuzzSupport::Bytes(data, size);
    CheckRoundTrip(text, CardCsv::Separator::Comma);
    CheckRoundTrip(text, CardCsv::Separator::Tab);
    return 0;
}
