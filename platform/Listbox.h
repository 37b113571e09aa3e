#pragma once
// A list of rows and columns: headings, per-cell text, tag, alignment and bold, one selected row,
// and rows that may be dragged out as text. Rows and columns count from 0; ListIndex is -1 when
// no row is selected. A cell shows no more of its text than a line can (a longer text is cut, its
// tool tip showing it whole), and Cell gives the whole text.
#include "platform/Controls.h"

#include <QTreeWidget>
#include <QVariant>
#include <functional>
#include <vector>

class DragItem;
class QMimeData;

// The widths of columns whose contents need `natural` pixels in a list `available` pixels wide,
// given the columns' shares of the width (none: sized to their contents; a share of 0 hides its
// column, which gets 0).
std::vector<int> fitColumnWidths(const std::vector<int>& natural, const std::vector<double>& shares, int available);

class Listbox : public QTreeWidget, public Control {
    Q_OBJECT
public:
    Listbox(Window* window, const QString& name, int left, int top, int width, int height, int columns);

    // Heading -1 sets every heading at once from one tab-separated text.
    void setHeading(int column, const QString& text);
    QString Heading(int column) const;
    void setHasHeading(bool value) { setHeaderHidden(!value); }
    // Widths as the framework writes them: "60%, 10%, 10%, 20%" (per cent of the list's width). A
    // column of width 0 is not shown. A column is never narrower than its heading and cells need
    // while the list has room for all: a given width is a share that the column takes where it is
    // more; without given widths the spare width is shared in proportion to the contents. Where the
    // list is too narrow, only the widest columns give way. See fitColumnWidths.
    void setColumnWidths(const QString& widths);
    void setColumnsResizable(bool value);

    void AddRow(const QString& firstCell);
    // Appends the rows, each given by its cells from column 0 on, in one step.
    void AddRows(const std::vector<QStringList>& rows);
    void DeleteAllRows() { clear(); }
    int ListCount() const { return topLevelItemCount(); }
    int LastIndex() const { return ListCount() - 1; }
    int ListIndex() const;
    void setListIndex(int row);
    int SelCount() const { return ListIndex() < 0 ? 0 : 1; }
    bool Selected(int row) const;
    void setSelected(int row, bool selected);
    // The top visible row; setting it scrolls that row to the top, as far as the list can.
    int ScrollPosition() const;
    void setScrollPosition(int row);

    // Cells out of range read as empty and ignore writes.
    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    QVariant CellTag(int row, int column) const;
    void setCellTag(int row, int column, const QVariant& tag);
    void setCellCentred(int row, int column);
    void setCellBold(int row, int column, bool bold);

    // Row dragging: the handler fills the drag item's text and answers whether the drag goes on.
    void setEnableDrag(bool value);
    std::function<bool(DragItem& drag, int row)> onDragRow;
    // What a drag of the row carries; nullptr when the handler refused it or there is none.
    QMimeData* dragData(int row) const;

    void Refresh(bool eraseBackground = true);

signals:
    // A press on a cell, before the row is selected. A handler that changes the selection itself
    // keeps that selection: the press then selects nothing.
    void CellClick(int row, int column);
    // After a double click's second press.
    void DoubleClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions actions) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyWidths();
    // Rows change one cell at a time: the columns are fitted once the changes are done.
    void fitColumnsLater();
    QList<double> widthShares;
    bool fitPending = false;
};
