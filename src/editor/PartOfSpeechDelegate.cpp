#include "editor/PartOfSpeechDelegate.h"

#include "editor/CardListModel.h"
#include "store/PartOfSpeech.h"

#include <QComboBox>

PartOfSpeechDelegate::PartOfSpeechDelegate(const CardListModel& model, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

QWidget* PartOfSpeechDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("ComboBox_part_of_speech"));
    list->addItem(QString(), QString());
    for (const QString& code : PartOfSpeech::KnownCodes()) {
        list->addItem(m_model.PartOfSpeechCaption(code), code);
    }
    // A choice made is a choice taken: the card changes at once.
    connect(list, &QComboBox::activated, this, [this, list] {
        auto* self = const_cast<PartOfSpeechDelegate*>(this);
        Q_EMIT self->commitData(list);
        Q_EMIT self->closeEditor(list);
    });
    return list;
}

void PartOfSpeechDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* list = static_cast<QComboBox*>(editor);
    const QString code = index.data(Qt::EditRole).toString();
    int found = list->findData(code);
    if (found < 0) {
        list->addItem(code, code);
        found = list->count() - 1;
    }
    list->setCurrentIndex(found);
}

void PartOfSpeechDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
}
