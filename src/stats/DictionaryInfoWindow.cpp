#include "stats/DictionaryInfoWindow.h"

#include <QTextEdit>

DictionaryInfoWindow::DictionaryInfoWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint)
    , m_text(new QTextEdit(this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Информация о словаре"));
    setFixedSize(273, 224);
    m_text->setObjectName(QStringLiteral("RichEdit1"));
    m_text->setGeometry(8, 8, 257, 209);
    m_text->setReadOnly(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void DictionaryInfoWindow::SetInfo(const QString& text)
{
    m_text->setPlainText(text);
}

QString DictionaryInfoWindow::Info() const
{
    return m_text->toPlainText();
}
