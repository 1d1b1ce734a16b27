#pragma once

#include "settings/DailyTime.h"

#include <QSpinBox>

// The hour (SpinEditor6) or minute (SpinEditor5) editor of the daily reminder. It allows
// one step past either end and wraps that step round (23 -> 24 shows "00", 0 -> -1 shows
// "23"), and shows every value with two digits. Typing is refused: the arrows set it.
class DailyTimeEditor final : public QSpinBox {
    Q_OBJECT

public:
    DailyTimeEditor(DailyTime::Field field, QWidget* parent = nullptr);

protected:
    QString textFromValue(int value) const override;

private:
    void WrapRound(int value);

    DailyTime::Field m_field;
};
