#include "settings/InterfaceSettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

InterfaceSettingsPage::InterfaceSettingsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("XPTabSheet3"));
    m_label = new QLabel(QStringLiteral("Язык интерфейса:"), this);
    m_label->setObjectName(QStringLiteral("Label_language"));
    m_label->setGeometry(16, 16, 320, 20);
    m_languages = new QComboBox(this);
    m_languages->setObjectName(QStringLiteral("ComboBox_language"));
    m_languages->setGeometry(16, 40, 200, 24);
    m_label->setBuddy(m_languages);
    m_note = new QLabel(QStringLiteral("Новый язык интерфейса появится при следующем запуске Glossmere."), this);
    m_note->setObjectName(QStringLiteral("Label_language_note"));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->setGeometry(16, 76, 320, 60);
    m_say = new QCheckBox(QStringLiteral("Произносить каждое слово, когда оно появляется"), this);
    m_say->setObjectName(QStringLiteral("XPCheckBox_say"));
    m_say->setGeometry(16, 148, 330, 22);
}
