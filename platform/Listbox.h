#pragma once
// A list of text rows in columns. Rows and columns count from 0. A press first goes to
// onCellClick; the list's own handling (selecting the pressed row) follows only when the handler
// answered false and left the selection as it was. A double click is two presses, then DoubleClick.
#include "platform/Controls.h"

#include <QTableWidget>
#include <functional>

class Listbox : public QTableWidget, public Control {
    Q_OBJECT
public:
    Listbox(Window* window, const QString& name, int left, int top, int width, int height, int columns);

    // Widths of the columns, joined by ",": pixels or percentages of the list's width ("100%,0%").
    // A column of width 0 is not shown.
    void setColumnWidths(const QString& widths);
    void setGridLines(bool horizontal, bool vertical);

    void AddRow(const QString& text);  // a new last row, its first column holding text
    void DeleteAllRows() { setRowCount(0); }
    int ListCount() const { return rowCount(); }
    int LastIndex() const { return rowCount() - 1; }
    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // The selected row, -1 when none is.
    int ListIndex() const;
    void setListIndex(int row);
    bool Selected(int row) const;
    void setSelected(int row, bool selected);
    // The top visible row.
    int ScrollPosition() const;
    void setScrollPosition(int row);
    void Refresh(bool eraseBackground = true);

    std::function<bool(int row, int column, int x, int y)> onCellClick;

signals:
    void DoubleClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColumnWidths();
    QStringList widths;
};
