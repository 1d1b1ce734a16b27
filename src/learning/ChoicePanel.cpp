#include "learning/ChoicePanel.h"

#include "learning/KeyHint.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"
#include "ui/Placement.h"

#include <QLabel>

namespace {

constexpr int kOptionTops[ChoicePanel::kOptionCount] = { 96, 133, 171, 209, 246, 284, 322, 360 };
constexpr int kPictureSide = 204;
constexpr QPoint kPicturePlaces[ChoicePanel::kPictureCount] = { { 13, 61 }, { 237, 61 }, { 13, 277 }, { 237, 277 } };

} // namespace

ChoicePanel::ChoicePanel(QWidget* parent)
    : LearningPanel(QStringLiteral("Panel2"), parent)
{
    m_word = AddLabel(QStringLiteral("TntLabel1"), QStringLiteral("Слово"), TahomaFont(24, true), 0, kWordTop);
    SetTextColour(m_word, Qt::red);
    Placement::CentreHorizontally(m_word);

    m_separator = AddLine(QStringLiteral("Separator2"), QRect(7, 31, 442, 1));

    for (int n = 1; n <= kOptionCount; ++n) {
        ClickableLabel* option = AddOption(QStringLiteral("label_translation2_%1").arg(n), QStringLiteral("Перевод"),
            TahomaFont(21), 0, kOptionTops[n - 1]);
        Placement::CentreHorizontally(option);
        m_options.at(static_cast<std::size_t>(n - 1)) = option;
        new KeyHint(QStringLiteral("key_translation2_%1").arg(n), QString::number(n), option,
            kOptionLeft - kKeyColumn + (kKeyColumn - KeyHint::kWidth) / 2);
    }
    for (int n = 1; n <= kPictureCount; ++n) {
        const QRect place(kPicturePlaces[n - 1], QSize(kPictureSide, kPictureSide));
        ClickableLabel* picture = AddPicture(QStringLiteral("Image_variant%1").arg(n), place);
        picture->setCursor(Qt::PointingHandCursor);
        m_pictures.at(static_cast<std::size_t>(n - 1)) = picture;
    }
}
