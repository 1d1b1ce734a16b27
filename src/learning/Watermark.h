#pragma once

#include <QString>
#include <QWidget>

// The program's name written at 45 degrees in silver, laid over a corner of the
// association picture. It lets clicks through to what lies under it.
class Watermark final : public QWidget {
    Q_OBJECT

public:
    Watermark(QString text, QWidget* parent);

    const QString& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
