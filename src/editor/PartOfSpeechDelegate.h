#pragma once

#include <QStyledItemDelegate>

class CardListModel;

// Edits a card's part of speech with a list of the codes the program knows, each with its
// marker, and none; a code the program does not know stays on the list for the card that
// has it, so opening the list never loses it.
class PartOfSpeechDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit PartOfSpeechDelegate(const CardListModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const CardListModel& m_model;
};
