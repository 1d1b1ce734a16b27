#include "settings/LearningSettingsPage.h"

#include "settings/SpinEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// The settings these editors hold are 16-bit values; the editors reach no further.
constexpr int kLargestValue = 65535;
constexpr int kBoxWidth = 290;
constexpr int kBoxHeight = 20;
constexpr int kLabelWidth = 250;
constexpr int kEditorLeft = 266;
constexpr QSize kEditorSize { 50, 24 };

struct ExerciseBox {
    ExerciseKind Kind;
    const char* Name;
    const char* Text;
    int Left;
    int Top;
};

// As drawn: the running exercises in the first column, association, mosaic and pairs in
// the second. Applying the language hides the two that never run and moves the pairs box
// into the first column, in the order the exercises come in a session.
const ExerciseBox kExerciseBoxes[] = {
    { ExerciseKind::vibor_perevoda, "XPCheckBox3", "Выбор перевода", 32, 24 },
    { ExerciseKind::vspomnit, "XPCheckBox4", "Вспомнить", 32, 48 },
    { ExerciseKind::perevod, "XPCheckBox5", "Перевод", 32, 72 },
    { ExerciseKind::associaciya, "XPCheckBox1", "Ассоциация", 190, 24 },
    { ExerciseKind::mozaika, "XPCheckBox2", "Мозайка", 190, 48 },
    { ExerciseKind::para, "XPCheckBox7", "Найди пару", 190, 72 },
};

} // namespace

LearningSettingsPage::LearningSettingsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("XPTabSheet1"));
    AddExerciseGroup();
    AddEditors();
}

QCheckBox* LearningSettingsPage::ExerciseCheckBox(ExerciseKind kind) const
{
    return m_boxes.at(static_cast<std::size_t>(kind));
}

void LearningSettingsPage::AddExerciseGroup()
{
    m_group = new QGroupBox(QStringLiteral(" Упражнения "), this);
    m_group->setObjectName(QStringLiteral("XPGroupBox1"));
    m_group->setGeometry(8, 8, 341, 128);
    for (const ExerciseBox& design : kExerciseBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(design.Text), m_group);
        box->setObjectName(QString::fromLatin1(design.Name));
        box->setGeometry(design.Left, design.Top, kBoxWidth, kBoxHeight);
        m_boxes.at(static_cast<std::size_t>(design.Kind)) = box;
    }
    ExerciseCheckBox(ExerciseKind::associaciya)->hide();
    ExerciseCheckBox(ExerciseKind::mozaika)->hide();
}

void LearningSettingsPage::AddEditors()
{
    AddLabel(QStringLiteral("Label1"),
        QStringLiteral("Количество правильных ответов необходимых для того чтобы считать карточку выученной:"),
        QRect(8, 146, kLabelWidth, 48));
    m_threshold = AddSpinEditor(
        this, QStringLiteral("SpinEditor1"), 1, kLargestValue, 2, QRect(QPoint(kEditorLeft, 158), kEditorSize));

    AddLabel(QStringLiteral("Label2"), QStringLiteral("Максимальное количество слов в изучаемом блоке:"),
        QRect(8, 204, kLabelWidth, 32));
    // A block holds at most 8 cards: the exercises have 8 rows of options.
    m_blockSize
        = AddSpinEditor(this, QStringLiteral("SpinEditor2"), 2, 8, 8, QRect(QPoint(kEditorLeft, 208), kEditorSize));

    AddLabel(QStringLiteral("Label3"), QStringLiteral("Продолжительность показа правильного перевода:"),
        QRect(8, 246, kLabelWidth, 32));
    m_popupDelay = AddSpinEditor(
        this, QStringLiteral("SpinEditor3"), 0, kLargestValue, 2, QRect(QPoint(kEditorLeft, 250), kEditorSize));
    AddLabel(QStringLiteral("Label4"), QStringLiteral("сек."), QRect(322, 254, 0, 0), false);

    QLabel* typed = AddLabel(
        QStringLiteral("Label_typed"), QStringLiteral("Написанный перевод должен совпасть:"), QRect(8, 288, 341, 20));
    m_typed = new QComboBox(this);
    m_typed->setObjectName(QStringLiteral("ComboBox_typed"));
    m_typed->setGeometry(8, 310, 341, 24);
    typed->setBuddy(m_typed);
}

QLabel* LearningSettingsPage::AddLabel(const QString& name, const QString& text, const QRect& place, bool wrap)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(wrap);
    label->setGeometry(place);
    if (!wrap) {
        label->adjustSize(); // a one-line label takes the width of its text
    }
    return label;
}
