#pragma once

#include "base/ExerciseKind.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

// The first page of the settings dialog (XPTabSheet1): which exercises memorization mode
// runs (XPGroupBox1), the right answers that complete a card, the largest learning block
// how long the right translation is shown, and what a typed translation must match
// (ComboBox_typed, captioned by Label_typed: item 0 the whole translation exactly, item 1
// any one of its meanings).
class LearningSettingsPage final : public QWidget {
    Q_OBJECT

public:
    explicit LearningSettingsPage(QWidget* parent = nullptr);

    QGroupBox* ExerciseGroup() const { return m_group; }
    // The box that enables an exercise: XPCheckBox3 choice, XPCheckBox7 pairs, XPCheckBox4
    // recall, XPCheckBox5 typed translation; XPCheckBox1 association and XPCheckBox2 mosaic,
    // which never run, are hidden.
    QCheckBox* ExerciseCheckBox(ExerciseKind kind) const;
    QSpinBox* ThresholdEditor() const { return m_threshold; } // SpinEditor1
    QSpinBox* BlockSizeEditor() const { return m_blockSize; } // SpinEditor2
    QSpinBox* PopupDelayEditor() const { return m_popupDelay; } // SpinEditor3
    QComboBox* TypedAnswerBox() const { return m_typed; } // ComboBox_typed

private:
    void AddExerciseGroup();
    void AddEditors();
    // A long caption wraps inside its rectangle; a short one takes the width of its text.
    QLabel* AddLabel(const QString& name, const QString& text, const QRect& place, bool wrap = true);

    QGroupBox* m_group = nullptr;
    std::array<QCheckBox*, kExerciseKindCount> m_boxes {}; // indexed by ExerciseKind
    QSpinBox* m_threshold = nullptr;
    QSpinBox* m_blockSize = nullptr;
    QSpinBox* m_popupDelay = nullptr;
    QComboBox* m_typed = nullptr;
};
