#include "profiles/valuelisteditor.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

struct GridRow
{
    QString key;
    QString value;
    TValueListEditor::EditStyle style = TValueListEditor::esSimple;
    QStringList pickList;
    bool readOnly = false;
};

} // namespace

class TValueListEditor::Model : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        // An empty grid still shows one blank row.
        return parent.isValid() ? 0 : qMax(1, int(rows.size()));
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : 2;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rows.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            const GridRow &row = rows.at(index.row());
            return index.column() == KeyColumn ? row.key : row.value;
        }
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == ValueColumn && index.row() < rows.size()) {
            const GridRow &row = rows.at(index.row());
            // Pick-list rows are read-only to typing but still open their list.
            if (row.style == esPickList || !row.readOnly)
                flags |= Qt::ItemIsEditable;
        }
        return flags;
    }

    void changed(int row) { emit dataChanged(index(row, 0), index(row, 1)); }

    void append(const QString &key, const QString &value)
    {
        GridRow added;
        added.key = key;
        added.value = value;
        if (rows.isEmpty()) {
            // The blank row of the empty grid becomes the first real one.
            rows.append(added);
            changed(0);
            return;
        }
        beginInsertRows({}, rows.size(), rows.size());
        rows.append(added);
        endInsertRows();
    }

    void remove(int row)
    {
        if (rows.size() == 1) {
            rows.clear();
            changed(0);
            return;
        }
        beginRemoveRows({}, row, row);
        rows.removeAt(row);
        endRemoveRows();
    }

    QVector<GridRow> rows;
};

class ValueListDelegate : public QStyledItemDelegate
{
public:
    explicit ValueListDelegate(TValueListEditor *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    { }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        if (m_grid->RowEditStyle(index.row()) == TValueListEditor::esPickList) {
            auto *combo = new QComboBox(parent);
            combo->addItems(m_grid->RowPickList(index.row()));
            combo->setFrame(false);
            // Picking an item commits it at once, as a drop-down list in a grid does.
            QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo,
                             [this, combo] {
                                 auto *self = const_cast<ValueListDelegate *>(this);
                                 emit self->commitData(combo);
                                 emit self->closeEditor(combo);
                             });
            return combo;
        }
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        return edit;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString text = m_grid->Value(index.row());
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            const int found = combo->findText(text, Qt::MatchFixedString);
            if (found >= 0) {
                combo->setCurrentIndex(found);
            } else {
                // A value that is no item of the list (a custom size) stays visible.
                combo->setEditable(true);
                combo->setEditText(text);
                combo->lineEdit()->setReadOnly(true);
            }
            QTimer::singleShot(0, combo, [combo] { combo->showPopup(); });
        } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            edit->setText(text);
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override
    {
        QString text;
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            text = combo->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(editor))
            text = edit->text();
        else
            return;
        m_grid->commitEdit(index.row(), text);
    }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &) const override
    {
        editor->setGeometry(option.rect.adjusted(0, 0, -1, -1));
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QPalette &palette = m_grid->palette();
        const bool isKey = index.column() == TValueListEditor::KeyColumn;
        const bool current = index.row() == m_grid->Row() && index.column() == m_grid->Col();
        TValueListEditor::CellColors colors;
        // The ordinary colours: a fixed key column, the window colour for values, the
        // highlight for the current cell.
        colors.brush = isKey ? palette.color(QPalette::Button) : palette.color(QPalette::Base);
        colors.font = palette.color(QPalette::Text);
        if (current && !isKey) {
            colors.brush = palette.color(QPalette::Highlight);
            colors.font = palette.color(QPalette::HighlightedText);
        }
        if (m_grid->DrawCell())
            m_grid->DrawCell()(index.column(), index.row(), option.rect, colors);
        painter->save();
        painter->fillRect(option.rect.adjusted(0, 0, -1, -1), colors.brush);
        painter->setPen(colors.font);
        painter->setFont(option.font);
        const QRect textRect = option.rect.adjusted(2, 0, -2, -1);
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
        painter->restore();
    }

private:
    TValueListEditor *m_grid;
};

TValueListEditor::TValueListEditor(QWidget *parent)
    : QTableView(parent)
    , m_model(new Model(this))
{
    setModel(m_model);
    setItemDelegate(new ValueListDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight + 1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setMinimumSectionSize(1);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setWordWrap(false);
    SetColWidths(95, 119);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { viewport()->update(); });
}

int TValueListEditor::Count() const
{
    return m_model->rows.size();
}

int TValueListEditor::RowCount() const
{
    return m_model->rowCount();
}

QString TValueListEditor::Key(int row) const
{
    return row >= 0 && row < Count() ? m_model->rows.at(row).key : QString();
}

QString TValueListEditor::Value(int row) const
{
    return row >= 0 && row < Count() ? m_model->rows.at(row).value : QString();
}

void TValueListEditor::SetValue(int row, const QString &value)
{
    if (row < 0 || row >= Count())
        return;
    m_model->rows[row].value = value;
    m_model->changed(row);
    emit stringsChange();
}

QString TValueListEditor::Values(const QString &key) const
{
    int row = -1;
    return FindRow(key, row) ? Value(row) : QString();
}

void TValueListEditor::SetValues(const QString &key, const QString &value)
{
    int row = -1;
    if (FindRow(key, row))
        SetValue(row, value);
    else
        AppendRow(key, value);
}

bool TValueListEditor::FindRow(const QString &key, int &row) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_model->rows.at(i).key.compare(key, Qt::CaseInsensitive) == 0) {
            row = i;
            return true;
        }
    }
    row = -1;
    return false;
}

int TValueListEditor::AppendRow(const QString &key, const QString &value)
{
    const int row = Count();
    m_model->append(key, value);
    emit stringsChange();
    return row;
}

void TValueListEditor::DeleteRow(int row)
{
    if (row < 0 || row >= Count())
        return;
    m_model->remove(row);
    emit stringsChange();
}

void TValueListEditor::Clear()
{
    for (int row = Count() - 1; row >= 0; --row)
        DeleteRow(row);
}

QStringList TValueListEditor::Strings() const
{
    QStringList lines;
    for (const GridRow &row : m_model->rows)
        lines << row.key + QLatin1Char('=') + row.value;
    return lines;
}

TValueListEditor::EditStyle TValueListEditor::RowEditStyle(int row) const
{
    return row >= 0 && row < Count() ? m_model->rows.at(row).style : esSimple;
}

void TValueListEditor::SetRowEditStyle(int row, EditStyle style)
{
    if (row >= 0 && row < Count()) {
        m_model->rows[row].style = style;
        m_model->changed(row);
    }
}

QStringList TValueListEditor::RowPickList(int row) const
{
    return row >= 0 && row < Count() ? m_model->rows.at(row).pickList : QStringList();
}

void TValueListEditor::SetRowPickList(int row, const QStringList &items)
{
    if (row >= 0 && row < Count())
        m_model->rows[row].pickList = items;
}

bool TValueListEditor::RowReadOnly(int row) const
{
    return row >= 0 && row < Count() && m_model->rows.at(row).readOnly;
}

void TValueListEditor::SetRowReadOnly(int row, bool readOnly)
{
    if (row >= 0 && row < Count()) {
        m_model->rows[row].readOnly = readOnly;
        m_model->changed(row);
    }
}

int TValueListEditor::Row() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int TValueListEditor::Col() const
{
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

void TValueListEditor::SetCurrentCell(int col, int row)
{
    setCurrentIndex(m_model->index(row, col));
}

void TValueListEditor::SetEditorMode(bool on)
{
    m_editorMode = on;
}

bool TValueListEditor::EditorMode() const
{
    return m_editorMode;
}

bool TValueListEditor::HasFocusWithin() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void TValueListEditor::SetColWidths(int keyWidth, int valueWidth)
{
    setColumnWidth(KeyColumn, keyWidth);
    setColumnWidth(ValueColumn, valueWidth);
}

void TValueListEditor::commitEdit(int row, const QString &text)
{
    if (row < 0 || row >= Count() || text == Value(row))
        return;
    SetValue(row, text);
    emit validate(ValueColumn, row, Key(row), text);
}

void TValueListEditor::mousePressEvent(QMouseEvent *event)
{
    m_editorMode = true;
    emit mouseDown(event->button(), event->position().toPoint());
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!m_editorMode) {
        // The handler refused an editor: move the cursor, open nothing.
        if (index.isValid())
            setCurrentIndex(index);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    // A list row opens its list on the first click, a text row its editor.
    if (index.isValid() && index.column() == ValueColumn && (index.flags() & Qt::ItemIsEditable)
        && state() != QAbstractItemView::EditingState)
        edit(index);
}

void TValueListEditor::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void TValueListEditor::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}
