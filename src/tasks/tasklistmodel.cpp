#include "tasks/tasklistmodel.h"

TTaskListModel::TTaskListModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int TTaskListModel::AddRow(const QString &caption)
{
    const int row = Count();
    beginInsertRows({}, row, row);
    Row added;
    added.caption = caption;
    for (int i = 0; i < SubItemCount; ++i)
        added.subItems << QString();
    m_rows.append(added);
    endInsertRows();
    return row;
}

void TTaskListModel::DeleteRow(int row)
{
    if (!valid(row))
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void TTaskListModel::Clear()
{
    for (int row = Count() - 1; row >= 0; --row)
        DeleteRow(row);
}

QString TTaskListModel::Caption(int row) const
{
    return valid(row) ? m_rows.at(row).caption : QString();
}

void TTaskListModel::SetCaption(int row, const QString &caption)
{
    if (!valid(row))
        return;
    m_rows[row].caption = caption;
    rowChanged(row);
}

QString TTaskListModel::SubItem(int row, int subItem) const
{
    if (!valid(row) || subItem < 0 || subItem >= SubItemCount)
        return {};
    return m_rows.at(row).subItems.at(subItem);
}

void TTaskListModel::SetSubItem(int row, int subItem, const QString &text)
{
    if (!valid(row) || subItem < 0 || subItem >= SubItemCount)
        return;
    m_rows[row].subItems[subItem] = text;
    rowChanged(row);
}

QString TTaskListModel::Hint(int row) const
{
    return valid(row) ? m_rows.at(row).hint : QString();
}

void TTaskListModel::SetHint(int row, const QString &hint)
{
    if (!valid(row))
        return;
    m_rows[row].hint = hint;
    rowChanged(row);
}

bool TTaskListModel::Selected(int row) const
{
    return valid(row) && m_rows.at(row).selected;
}

void TTaskListModel::SetSelected(int row, bool selected)
{
    if (!valid(row) || m_rows.at(row).selected == selected)
        return;
    m_rows[row].selected = selected;
    emit selectionMarkChanged(row, selected);
}

int TTaskListModel::FirstSelected() const
{
    for (int row = 0; row < Count(); ++row) {
        if (m_rows.at(row).selected)
            return row;
    }
    return -1;
}

int TTaskListModel::SelectedCount() const
{
    int count = 0;
    for (const Row &row : m_rows)
        count += row.selected ? 1 : 0;
    return count;
}

int TTaskListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

int TTaskListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : VisibleColumns;
}

QVariant TTaskListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !valid(index.row()))
        return {};
    const Row &row = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? row.caption : row.subItems.at(index.column() - 1);
    if (role == Qt::ToolTipRole && !row.hint.isEmpty())
        return row.hint;
    return {};
}

QVariant TTaskListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[VisibleColumns] = {"Input File", "Length", "Size", "Status"};
    return section >= 0 && section < VisibleColumns ? QString::fromLatin1(titles[section])
                                                    : QVariant();
}

Qt::ItemFlags TTaskListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TTaskListModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, VisibleColumns - 1));
}
