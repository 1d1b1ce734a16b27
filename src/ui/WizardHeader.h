#pragma once

#include <QString>
#include <QWidget>

// The band across the top of a prompt: a bold title line over a comment line, on a
// gradient running down from the selection colour to the window colour.
class WizardHeader : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QString comment READ comment WRITE setComment)

public:
    static constexpr int kHeight = 60;

    explicit WizardHeader(QWidget* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QString comment() const { return m_comment; }
    void setComment(const QString& comment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_comment;
};
