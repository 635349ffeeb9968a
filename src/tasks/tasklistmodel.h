#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The task list's store: per row a caption and ten sub-items (the first three shown as columns
// next to the caption) and the row's selection mark. The list view shows it; everything that
// reads or changes tasks works on this model, so it is testable without a window.
class TTaskListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int SubItemCount = 10;
    static constexpr int VisibleColumns = 4;

    explicit TTaskListModel(QObject *parent = nullptr);

    int Count() const { return int(m_rows.size()); }
    int AddRow(const QString &caption); // with ten empty sub-items
    void DeleteRow(int row);
    void Clear(); // from the last row to the first

    QString Caption(int row) const;
    void SetCaption(int row, const QString &caption);
    QString SubItem(int row, int subItem) const;
    void SetSubItem(int row, int subItem, const QString &text);
    // Shown when the pointer rests on the row (a failed task's last encoder lines, say).
    QString Hint(int row) const;
    void SetHint(int row, const QString &hint);

    bool Selected(int row) const;
    void SetSelected(int row, bool selected);
    int FirstSelected() const; // -1 when none is
    int SelectedCount() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void selectionMarkChanged(int row, bool selected);

private:
    struct Row
    {
        QString caption;
        QStringList subItems;
        QString hint;
        bool selected = false;
    };
    bool valid(int row) const { return row >= 0 && row < m_rows.size(); }
    void rowChanged(int row);

    QVector<Row> m_rows;
};
