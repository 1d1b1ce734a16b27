#include "importing/ImportDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* Caption(QWidget* parent, const QByteArray& name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

template <class Widget> Widget* Named(Widget* widget, const QByteArray& name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

ImportDialog::ImportDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form_import"));
    setWindowTitle(QStringLiteral("Импорт слов"));
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Caption(this, "Label_file", "Файл:"));
    m_file = Named(new QLineEdit(this), "Edit_file");
    m_file->setReadOnly(true);
    fileRow->addWidget(m_file, 1);
    m_browse = Named(new QPushButton(QStringLiteral("Обзор..."), this), "Button_browse");
    fileRow->addWidget(m_browse);
    layout->addLayout(fileRow);
    m_format = Named(new QLabel(this), "Text_format");
    layout->addWidget(m_format);

    auto* grid = new QGridLayout;
    grid->addWidget(Caption(this, "Label_encoding", "Кодировка:"), 0, 0);
    m_encoding = Named(new QComboBox(this), "ComboBox_encoding");
    grid->addWidget(m_encoding, 0, 1);
    const std::array<std::pair<const char*, const char*>, kWordFieldCount> fields { {
        { "word", "Слово:" },
        { "translation", "Перевод:" },
        { "transcription", "Транскрипция:" },
        { "part", "Часть речи:" },
        { "example", "Пример:" },
        { "comment", "Комментарий:" },
    } };
    for (int field = 0; field < kWordFieldCount; ++field) {
        const QByteArray name = fields.at(size_t(field)).first;
        const int row = 1 + field % 3;
        const int column = field < 3 ? 0 : 2;
        grid->addWidget(Caption(this, "Label_" + name, fields.at(size_t(field)).second), row, column);
        m_columns.at(size_t(field)) = Named(new QComboBox(this), "ComboBox_" + name);
        grid->addWidget(m_columns.at(size_t(field)), row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    layout->addWidget(Caption(this, "Label_preview", "Так слова войдут в словарь:"));
    m_preview = Named(new QTableWidget(kPreviewRows, int(kPreviewFields.size()), this), "Table_preview");
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_preview->verticalHeader()->hide(); // the rows' places in the file are not these numbers
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_preview->setMinimumSize(560,
        m_preview->horizontalHeader()->sizeHint().height()
            + kPreviewRows * m_preview->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(m_preview, 1);

    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(Caption(this, "Label_target", "Добавить в:"));
    m_intoOpen = Named(new QRadioButton(QStringLiteral("открытый словарь"), this), "RadioButton_open");
    m_intoNew = Named(new QRadioButton(QStringLiteral("новый словарь..."), this), "RadioButton_new");
    m_intoOpen->setChecked(true);
    targetRow->addWidget(m_intoOpen);
    targetRow->addWidget(m_intoNew);
    targetRow->addStretch(1);
    layout->addLayout(targetRow);

    auto* bottom = new QHBoxLayout;
    m_progress = Named(new QProgressBar(this), "ProgressBar1");
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    // Shown while an import runs; its place stays, so the buttons do not move.
    QSizePolicy keepPlace = m_progress->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepPlace);
    m_progress->hide();
    bottom->addWidget(m_progress, 1);
    m_import = Named(new QPushButton(QStringLiteral("Импортировать"), this), "Button_import");
    m_import->setDefault(true);
    m_cancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "Button_cancel");
    bottom->addWidget(m_import);
    bottom->addWidget(m_cancel);
    layout->addLayout(bottom);
}
