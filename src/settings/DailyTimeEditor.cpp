#include "settings/DailyTimeEditor.h"

#include <QLineEdit>

DailyTimeEditor::DailyTimeEditor(DailyTime::Field field, QWidget* parent)
    : QSpinBox(parent)
    , m_field(field)
{
    setRange(-1, field == DailyTime::Field::Hour ? 24 : 60);
    lineEdit()->setReadOnly(true);
    connect(this, &QSpinBox::valueChanged, this, &DailyTimeEditor::WrapRound);
}

QString DailyTimeEditor::textFromValue(int value) const
{
    return DailyTime::TwoDigits(value);
}

void DailyTimeEditor::WrapRound(int value)
{
    const int wrapped = DailyTime::Wrap(m_field, value);
    if (wrapped != value) {
        setValue(wrapped);
    }
}
