#include "editor/CardSearch.h"

#include "store/CardTable.h"
#include "store/Dataset.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

namespace {

// Stands between a card's texts, so a query never matches across two of them (a query
// holds no control character).
constexpr QChar kSeparator(0x1f);

} // namespace

std::string CardSearch::Folded(const QString& query)
{
    QString kept;
    kept.reserve(query.size());
    for (const QChar c : query) {
        if (c.category() != QChar::Other_Control) {
            kept.append(c);
        }
    }
    return kept.toCaseFolded().toStdString();
}

CardSearch::Span CardSearch::Fold(Dataset& cards, int record)
{
    cards.MoveTo(record);
    const QString texts = cards.TextAt(CardTable::Header) + kSeparator + cards.TextAt(CardTable::Transcription)
        + kSeparator + cards.TextAt(CardTable::Translation);
    const QByteArray folded = texts.toCaseFolded().toUtf8();
    const Span span { m_folded.size(), size_t(folded.size()) };
    m_folded.append(folded.constData(), size_t(folded.size()));
    return span;
}

void CardSearch::Build(Dataset& cards)
{
    m_spans.clear();
    m_folded.clear();
    m_spans.reserve(size_t(cards.RecordCount()));
    for (int record = 1; record <= cards.RecordCount(); ++record) {
        m_spans.push_back(Fold(cards, record));
    }
}

CardSearch::Needle::Needle(const std::string& folded)
    : text(folded)
{
    // How common a byte is in the cards' texts, roughly: a UTF-8 lead byte (shared by a
    // whole alphabet) and a blank most, a continuation byte least.
    const auto commonness = [](unsigned char byte) {
        if (byte >= 0xc0) {
            return 3;
        }
        if (byte >= 0x80) {
            return 0;
        }
        return byte == ' ' ? 3 : std::isalpha(byte) ? 1 : 2;
    };
    for (size_t i = 1; i < text.size(); ++i) {
        if (commonness(static_cast<unsigned char>(text[i])) < commonness(static_cast<unsigned char>(text[anchor]))) {
            anchor = i;
        }
    }
}

bool CardSearch::Matches(int record, const Needle& needle) const
{
    const Span& span = m_spans[size_t(record - 1)];
    if (needle.text.empty()) {
        return true;
    }
    if (span.size < needle.text.size()) {
        return false;
    }
    // The anchor byte is found with memchr, then the whole needle compared around it.
    const char* begin = m_folded.data() + span.offset;
    const char* first = begin + needle.anchor;
    const char* last = begin + span.size - (needle.text.size() - needle.anchor - 1);
    const char anchor = needle.text[needle.anchor];
    while (first < last) {
        const auto* found = static_cast<const char*>(std::memchr(first, anchor, size_t(last - first)));
        if (found == nullptr) {
            return false;
        }
        if (std::memcmp(found - needle.anchor, needle.text.data(), needle.text.size()) == 0) {
            return true;
        }
        first = found + 1;
    }
    return false;
}

std::vector<int> CardSearch::Narrow(const std::string& folded, const std::vector<int>& candidates) const
{
    const Needle needle(folded);
    std::vector<int> found;
    found.reserve(candidates.size());
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(found),
        [&](int record) { return record >= 1 && record <= Count() && Matches(record, needle); });
    return found;
}

std::vector<int> CardSearch::FindAll(const std::string& folded) const
{
    const Needle needle(folded);
    std::vector<int> found;
    for (int record = 1; record <= Count(); ++record) {
        if (Matches(record, needle)) {
            found.push_back(record);
        }
    }
    return found;
}

void CardSearch::Insert(int record, Dataset& cards)
{
    m_spans.insert(m_spans.begin() + (record - 1), Fold(cards, record));
}

void CardSearch::Remove(int record)
{
    m_spans.erase(m_spans.begin() + (record - 1));
}

void CardSearch::Update(int record, Dataset& cards)
{
    m_spans[size_t(record - 1)] = Fold(cards, record);
}

void CardSearch::Move(int from, int to)
{
    const auto at = [this](int record) { return m_spans.begin() + (record - 1); };
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else if (from > to) {
        std::rotate(at(to), at(from), at(from + 1));
    }
}
