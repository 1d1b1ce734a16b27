#pragma once

#include <QRect>
#include <QSpinBox>
#include <QString>

// A number editor of a settings page (SpinEditor1 .. SpinEditor4): its range, its value
// before the settings are loaded, and its place on the page.
inline QSpinBox* AddSpinEditor(
    QWidget* page, const QString& name, int minimum, int maximum, int value, const QRect& place)
{
    auto* editor = new QSpinBox(page);
    editor->setObjectName(name);
    editor->setRange(minimum, maximum);
    editor->setValue(value);
    editor->setGeometry(place);
    return editor;
}
