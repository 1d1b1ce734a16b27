#include "ui/FittedText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>
#include <algorithm>

namespace FittedText {

namespace {

constexpr const char* kOwnFontProperty = "glossmereOwnFont";
constexpr const char* kOwnTopProperty = "glossmereOwnTop";

// The label's own font and top, kept from the first call.
QFont OwnFont(QLabel* label)
{
    if (!label->property(kOwnFontProperty).isValid()) {
        label->setProperty(kOwnFontProperty, label->font());
        label->setProperty(kOwnTopProperty, label->y());
    }
    QFont font = label->property(kOwnFontProperty).value<QFont>();
    // The exercises mark an option by its font (struck through); a new text starts plain.
    font.setStrikeOut(false);
    return font;
}

// The size of `text` wrapped into `maxWidth`, or an empty size when it takes more lines
// than kMaxLines, is higher than `maxHeight` or has a word wider than `maxWidth`.
QSize WrappedSize(const QFont& font, const QString& text, int maxWidth, int maxHeight)
{
    const QFontMetrics metrics(font);
    const QRect box = metrics.boundingRect(QRect(0, 0, maxWidth, 1 << 20), Qt::TextWordWrap, text);
    if (box.width() > maxWidth || box.height() > kMaxLines * metrics.lineSpacing() || box.height() > maxHeight) {
        return {};
    }
    return box.size();
}

} // namespace

void Show(QLabel* label, const QString& text, int maxWidth, int maxHeight, Qt::Alignment lines)
{
    const QFont own = OwnFont(label);
    QFont font = own;
    const bool scalable = font.pixelSize() > 0;
    const auto width = [&font, &text] { return QFontMetrics(font).horizontalAdvance(text); };
    // One line, a little smaller; two lines read better than one line much smaller.
    const int smallestOneLine = std::max(kMinPixelSize, own.pixelSize() * 3 / 4);
    while (scalable && width() > maxWidth && font.pixelSize() > smallestOneLine) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(QString());
    label->setWordWrap(false);

    QSize wrapped;
    if (scalable && maxHeight > 0 && width() > maxWidth) {
        // Too wide for one line even at the smallest size: two lines, as large as fit.
        for (QFont candidate = own; candidate.pixelSize() >= kMinPixelSize;
             candidate.setPixelSize(candidate.pixelSize() - 1)) {
            wrapped = WrappedSize(candidate, text, maxWidth, maxHeight);
            if (!wrapped.isEmpty()) {
                font = candidate;
                break;
            }
        }
    }
    if (scalable && wrapped.isEmpty() && width() > maxWidth) {
        font.setPixelSize(std::min(font.pixelSize(), kMinPixelSize)); // cut short, as small as allowed
    }
    label->setFont(font);
    if (!wrapped.isEmpty()) {
        label->setWordWrap(true);
        label->setAlignment(lines | Qt::AlignVCenter);
        label->setText(text);
        label->resize(wrapped);
    } else if (width() > maxWidth) {
        label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, maxWidth));
        // Forced rich text, escaped, so that the card text is never read as markup.
        label->setToolTip(QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>"));
        label->adjustSize();
    } else {
        label->setText(text);
        label->adjustSize();
    }
    // Level with one line of the own font: a text shown that way stays where it was.
    const QMargins margins = label->contentsMargins();
    const int ownHeight = QFontMetrics(own).height() + margins.top() + margins.bottom() + 2 * label->margin();
    label->move(label->x(), label->property(kOwnTopProperty).toInt() + (ownHeight - label->height()) / 2);
}

} // namespace FittedText
