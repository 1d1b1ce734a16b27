#pragma once

#include <QString>
#include <QWidget>

// The small busy notice ("Обновление данных..."): a panel with a vertical gradient from
// light grey (237, 237, 234) to white and its caption centred on it.
class GradientPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit GradientPanel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    // Shows the panel centred horizontally in its parent, keeping its top.
    void ShowCentredHorizontally();
    // Shows the panel centred in its parent.
    void ShowCentred();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
