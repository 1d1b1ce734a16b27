#pragma once

#include <QDialog>

class QTextEdit;

// The dictionary's information text, read-only.
class DictionaryInfoWindow : public QDialog {
    Q_OBJECT

public:
    explicit DictionaryInfoWindow(QWidget* parent = nullptr);

    void SetInfo(const QString& text);
    QString Info() const;

private:
    QTextEdit* m_text;
};
