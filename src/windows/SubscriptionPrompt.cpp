#include "windows/SubscriptionPrompt.h"

#include "base/Shell.h"
#include "ui/ProgramPictures.h"
#include "ui/WizardHeader.h"
#include "windows/ProductLinks.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kMargin = 16;
constexpr int kPictureSide = 96;
constexpr int kBodyTop = WizardHeader::kHeight + 12;
constexpr QSize kButtonSize { 150, 27 };

} // namespace

SubscriptionPrompt::SubscriptionPrompt(Shell& shell, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_shell(shell)
{
    EnsureProgramPictures();
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Рассылка Glossmere"));
    setFixedSize(kClientSize);

    m_header = new WizardHeader(this);
    m_header->setObjectName(QStringLiteral("glWizardHeader1"));
    m_header->setGeometry(0, 0, kClientSize.width(), WizardHeader::kHeight);
    m_header->setTitle(QStringLiteral("Подпишитесь на рассылку новостей"));
    m_header->setComment(QStringLiteral("Узнавайте первыми о новых версиях программы и словарях"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/subscribe.png")));
    picture->setGeometry(kMargin, kBodyTop, kPictureSide, kPictureSide);

    const int textLeft = kMargin + kPictureSide + 16;
    m_invitation = new QLabel(QStringLiteral("Подпишитесь на рассылку новостей Glossmere по электронной почте, и Вы "
                                             "первыми узнаете о выходе новых версий программы и о новых "
                                             "дополнительных словарях."),
        this);
    m_invitation->setObjectName(QStringLiteral("Label1"));
    m_invitation->setWordWrap(true);
    m_invitation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_invitation->setGeometry(textLeft, kBodyTop, kClientSize.width() - textLeft - kMargin, 80);

    m_subscribe = new QPushButton(QStringLiteral("Подписаться сейчас!"), this);
    m_subscribe->setObjectName(QStringLiteral("Button1"));
    m_subscribe->setGeometry(QRect(
        QPoint(kClientSize.width() - kMargin - kButtonSize.width(), kClientSize.height() - 12 - kButtonSize.height()),
        kButtonSize));
    connect(m_subscribe, &QPushButton::clicked, this, &SubscriptionPrompt::Subscribe);
}

void SubscriptionPrompt::Subscribe()
{
    m_shell.Open(QUrl(QString::fromLatin1(ProductLinks::kSubscriptionPage)));
    accept();
}
