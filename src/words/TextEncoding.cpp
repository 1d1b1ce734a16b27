#include "words/TextEncoding.h"

#include <QStringDecoder>
#include <array>

namespace {

// Windows-1251 from 0x80 to 0xBF; from 0xC0 on the letters А to я follow in order.
constexpr std::array<char16_t, 64> kWindows1251High { 0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1,
    0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457 };

QString DecodeWindows1251(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = code < 0x80 ? QChar(code)
            : code < 0xC0    ? QChar(kWindows1251High.at(code - 0x80))
                             : QChar(char16_t(0x0410 + code - 0xC0));
    }
    return text;
}

bool IsValidUtf8Sample(QByteArrayView sample)
{
    // Stateful: a character cut off at the end of the sample is waiting, not an error.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(sample);
    return !decoder.hasError();
}

bool IsHigh(unsigned char byte)
{
    return byte >= 0xC0;
}

} // namespace

namespace TextEncodings {

TextEncoding Detect(QByteArrayView sample)
{
    if (sample.startsWith("\xEF\xBB\xBF") || IsValidUtf8Sample(sample)) {
        return TextEncoding::Utf8;
    }
    qsizetype high = 0;
    qsizetype paired = 0;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (!IsHigh(static_cast<unsigned char>(sample[i]))) {
            continue;
        }
        ++high;
        const bool before = i > 0 && IsHigh(static_cast<unsigned char>(sample[i - 1]));
        const bool after = i + 1 < sample.size() && IsHigh(static_cast<unsigned char>(sample[i + 1]));
        paired += (before || after) ? 1 : 0;
    }
    return paired * 2 > high ? TextEncoding::Windows1251 : TextEncoding::Latin1;
}

QString Decode(QByteArrayView bytes, TextEncoding encoding, bool* valid)
{
    if (valid != nullptr) {
        *valid = true;
    }
    switch (encoding) {
    case TextEncoding::Windows1251:
        return DecodeWindows1251(bytes);
    case TextEncoding::Latin1:
        return QString::fromLatin1(bytes);
    case TextEncoding::Utf8:
        break;
    }
    QStringDecoder decoder(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (valid != nullptr) {
        *valid = !decoder.hasError();
    }
    return text;
}

bool FromName(const QString& name, TextEncoding& encoding)
{
    const QString key = name.trimmed().toLower().remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    if (key == QLatin1String("utf8")) {
        encoding = TextEncoding::Utf8;
    } else if (key == QLatin1String("windows1251") || key == QLatin1String("cp1251")) {
        encoding = TextEncoding::Windows1251;
    } else if (key == QLatin1String("latin1") || key == QLatin1String("iso88591")) {
        encoding = TextEncoding::Latin1;
    } else {
        return false;
    }
    return true;
}

} // namespace TextEncodings
