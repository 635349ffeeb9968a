#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTableView>

#include <functional>

// A two-column name/value grid: one row per key, a per-row edit style (plain text or pick
// list), a per-row read-only flag, case-insensitive look-up by key, a validate event when an
// edited value is committed and an owner-draw hook that may change a cell's colours.
class TValueListEditor : public QTableView
{
    Q_OBJECT
public:
    enum EditStyle { esSimple, esPickList };
    enum { KeyColumn = 0, ValueColumn = 1 };

    struct CellColors
    {
        QColor font;
        QColor brush;
    };
    using DrawCellHandler = std::function<void(int col, int row, const QRect &rect, CellColors &)>;

    static constexpr int DefaultRowHeight = 17; // plus one pixel of grid line per row

    explicit TValueListEditor(QWidget *parent = nullptr);

    // Rows holding a key; RowCount() also counts the blank row an empty grid shows.
    int Count() const;
    int RowCount() const;

    QString Key(int row) const;
    QString Value(int row) const;
    void SetValue(int row, const QString &value);
    // Case-insensitive by key; a missing key reads as empty text and is appended on writing.
    QString Values(const QString &key) const;
    void SetValues(const QString &key, const QString &value);
    bool FindRow(const QString &key, int &row) const;
    int AppendRow(const QString &key, const QString &value);
    void DeleteRow(int row);
    void Clear();
    QStringList Strings() const; // "key=value" per row

    EditStyle RowEditStyle(int row) const;
    void SetRowEditStyle(int row, EditStyle style);
    QStringList RowPickList(int row) const;
    void SetRowPickList(int row, const QStringList &items);
    bool RowReadOnly(int row) const;
    void SetRowReadOnly(int row, bool readOnly);

    // The grid's cursor: current row and column (-1 when none).
    int Row() const;
    int Col() const;
    void SetCurrentCell(int col, int row);

    // Off: no in-place editor opens until it is switched on again.
    void SetEditorMode(bool on);
    bool EditorMode() const;

    void SetDrawCellHandler(DrawCellHandler handler) { m_drawCell = std::move(handler); }
    const DrawCellHandler &DrawCell() const { return m_drawCell; }
    // Whether the grid or its in-place editor holds the keyboard focus.
    bool HasFocusWithin() const;

    void SetColWidths(int keyWidth, int valueWidth);

signals:
    void validate(int col, int row, const QString &key, const QString &value);
    void mouseDown(Qt::MouseButton button, const QPoint &pos);
    void stringsChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class ValueListDelegate;
    void commitEdit(int row, const QString &text);

    class Model;
    Model *m_model;
    DrawCellHandler m_drawCell;
    bool m_editorMode = true;
};
