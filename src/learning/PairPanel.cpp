#include "learning/PairPanel.h"

#include "learning/KeyHint.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"

namespace {

constexpr int kRowTops[PairPanel::kRowCount] = { 32, 84, 137, 189, 242, 294, 347, 400 };

} // namespace

PairPanel::PairPanel(QWidget* parent)
    : LearningPanel(QStringLiteral("Panel4"), parent)
{
    m_divider = AddLine(QStringLiteral("Divider4"), QRect(kDividerLeft, 16, 1, 449), true);
    for (int n = 1; n <= kRowCount; ++n) {
        const auto row = static_cast<std::size_t>(n - 1);
        m_left.at(row) = AddOption(
            QStringLiteral("word_left%1").arg(n), QStringLiteral("Слово"), TahomaFont(21), kLeftColumn, kRowTops[row]);
        m_right.at(row) = AddOption(QStringLiteral("word_right%1").arg(n), QStringLiteral("Перевод"), TahomaFont(21),
            kRightColumn, kRowTops[row]);
        new KeyHint(QStringLiteral("key_left%1").arg(n), QString::number(n), m_left.at(row),
            (kLeftColumn - KeyHint::kWidth) / 2);
        new KeyHint(QStringLiteral("key_right%1").arg(n), QString(QChar(u'A' + (n - 1))), m_right.at(row),
            kRightColumn - KeyHint::kWidth - 2);
        // A selected label turns red; every label starts unselected, in black.
        m_left.at(row)->SetTextColour(Qt::black);
        m_right.at(row)->SetTextColour(Qt::black);
    }
}
