#include "learning/LearningPanel.h"

#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

LearningPanel::LearningPanel(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(kLeft, kTop, kWidth, kHeight);
    SetWhiteBackground(this);
}

void LearningPanel::SpanRow(QLabel* label, int left, int width, int height, Qt::Alignment horizontal)
{
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setGeometry(left, label->y(), width, std::max(height, label->height()));
}

QLabel* LearningPanel::AddLabel(const QString& name, const QString& text, const QFont& font, int left, int top)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setFont(font);
    label->adjustSize();
    label->move(left, top);
    return label;
}

ClickableLabel* LearningPanel::AddOption(const QString& name, const QString& text, const QFont& font, int left, int top)
{
    auto* label = new ClickableLabel(this);
    label->setObjectName(name);
    label->setFont(font);
    label->setText(text);
    label->adjustSize();
    label->move(left, top);
    label->setCursor(Qt::PointingHandCursor);
    label->hide();
    return label;
}

ClickableLabel* LearningPanel::AddPicture(const QString& name, const QRect& place)
{
    auto* picture = new ClickableLabel(this);
    picture->setObjectName(name);
    picture->setGeometry(place);
    picture->setScaledContents(true);
    picture->hide();
    return picture;
}

QFrame* LearningPanel::AddLine(const QString& name, const QRect& place, bool vertical)
{
    auto* line = new QFrame(this);
    line->setObjectName(name);
    line->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    SetTextColour(line, Qt::black);
    line->setGeometry(place);
    return line;
}
