#include "windows/AboutWindow.h"

#include "base/Shell.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignLook.h"
#include "ui/ProgramPictures.h"
#include "windows/ProductLinks.h"

#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kCaptionLeft = 24;
constexpr int kValueLeft = 170;

} // namespace

AboutWindow::AboutWindow(Shell& shell, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_shell(shell)
{
    EnsureProgramPictures();
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("О программе"));
    resize(kClientSize);
    SetWhiteBackground(this);

    AddLabel(QStringLiteral("Label3"), QStringLiteral("Версия:"), { kCaptionLeft, 24 });
    m_version = AddLabel(QStringLiteral("Label4"), QStringLiteral(GLOSSMERE_VERSION), { kValueLeft, 24 });

    AddLabel(QStringLiteral("Label1"), QStringLiteral("Программирование:"), { kCaptionLeft, 80 });
    m_makerPicture
        = AddPicture(QStringLiteral("Image1"), QStringLiteral(":/images/about-code.png"), { kValueLeft, 64 });
    connect(m_makerPicture, &ClickableLabel::clicked, this,
        [this] { m_shell.Open(QUrl(QString::fromLatin1(ProductLinks::kMakerPage))); });

    AddLabel(QStringLiteral("Label2"), QStringLiteral("Дизайн:"), { kCaptionLeft, 144 });
    m_designerPicture
        = AddPicture(QStringLiteral("Image2"), QStringLiteral(":/images/about-design.png"), { kValueLeft, 128 });
    connect(m_designerPicture, &ClickableLabel::clicked, this,
        [this] { m_shell.Open(QUrl(QString::fromLatin1(ProductLinks::kDesignerPage))); });

    AddSupport();

    m_close = new QPushButton(QStringLiteral("Закрыть"), this);
    m_close->setObjectName(QStringLiteral("Button1"));
    m_close->setGeometry(kClientSize.width() / 2 - 75 / 2, 344, 75, 25);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

void AboutWindow::AddSupport()
{
    AddLabel(QStringLiteral("Label6"), QStringLiteral("Решение вопросов:"), { kCaptionLeft, 200 });
    m_support = new ClickableLabel(this);
    m_support->setObjectName(QStringLiteral("Label7"));
    m_support->setText(QStringLiteral("Если у Вас есть какие-то вопросы - обращайтесь в нашу службу поддержки: ")
        + QString::fromLatin1(ProductLinks::kSupportAddress));
    m_support->setWordWrap(true);
    m_support->setGeometry(kCaptionLeft, 224, kClientSize.width() - 2 * kCaptionLeft, 64);
    m_support->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_support->setCursor(Qt::PointingHandCursor);
    m_support->SetHoverColours(QColor(0, 0, 255), Qt::black);
    connect(m_support, &ClickableLabel::clicked, this,
        [this] { m_shell.Open(ProductLinks::SupportMail(QStringLiteral(GLOSSMERE_VERSION))); });
}

QLabel* AboutWindow::AddLabel(const QString& name, const QString& text, QPoint place)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->adjustSize();
    label->move(place);
    return label;
}

ClickableLabel* AboutWindow::AddPicture(const QString& name, const QString& resource, QPoint place)
{
    auto* picture = new ClickableLabel(this);
    picture->setObjectName(name);
    picture->setPixmap(QPixmap(resource));
    picture->adjustSize();
    picture->move(place);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}
