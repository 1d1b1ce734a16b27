#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>

// The fonts the windows were drawn with (Tahoma, MS Sans Serif, Lucida Sans Unicode) are
// rarely installed on Linux; DejaVu Sans stands in for them, at the same pixel size, so the
// texts keep the height the layouts were made for.
inline QFont DesignFont(const QString& family, int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({ family, QStringLiteral("DejaVu Sans") });
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

inline QFont TahomaFont(int pixelSize, bool bold = false)
{
    return DesignFont(QStringLiteral("Tahoma"), pixelSize, bold);
}

// The colour a label or line draws its text or stroke in.
inline void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

// Draws a widget's text struck through: how the exercises mark a wrong option.
inline void StrikeOut(QWidget* widget)
{
    QFont font = widget->font();
    font.setStrikeOut(true);
    widget->setFont(font);
}

// A white background, as the learning and About windows and their panels have.
inline void SetWhiteBackground(QWidget* widget)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, Qt::white);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}
