#pragma once

#include <QLabel>

// The key that answers with an option, shown small and grey beside it: at a fixed left
// edge, on the baseline of the option's first line, and on the screen exactly while the option is.
class KeyHint final : public QLabel {
    Q_OBJECT

public:
    static constexpr int kWidth = 12;

    KeyHint(const QString& name, const QString& key, QWidget* option, int left);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    QWidget* m_option;
};
