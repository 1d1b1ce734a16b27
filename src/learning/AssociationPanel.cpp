#include "learning/AssociationPanel.h"

#include "learning/Watermark.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"

namespace {

constexpr int kRowTops[] = { 344, 381, 418, 456 };
constexpr int kOddColumn = 30;
constexpr int kEvenColumn = 270;

} // namespace

AssociationPanel::AssociationPanel(QWidget* parent)
    : LearningPanel(QStringLiteral("Panel1"), parent)
{
    m_picture = AddPicture(QStringLiteral("Image1"), QRect(27, 5, 400, 330));

    auto* watermark = new Watermark(QStringLiteral("Glossmere"), this);
    watermark->setObjectName(QStringLiteral("Watermark1"));
    watermark->setGeometry(312, 224, 110, 110);

    AddLine(QStringLiteral("Separator1"), QRect(7, 327, 442, 1));

    for (int n = 1; n <= kOptionCount; ++n) {
        const int left = n % 2 == 1 ? kOddColumn : kEvenColumn;
        const int top = kRowTops[(n - 1) / 2];
        m_options.at(static_cast<std::size_t>(n - 1)) = AddOption(
            QStringLiteral("label_translation%1").arg(n), QStringLiteral("Перевод"), TahomaFont(21), left, top);
    }
    hide();
}
