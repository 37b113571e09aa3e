#include "platform/Listbox.h"

#include "platform/Window.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

Listbox::Listbox(Window* window, const QString& name, int left, int top, int width, int height, int columns)
    : QTableWidget(window->content()), Control(this, window, name, left, top, width, height) {
    setColumnCount(columns);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
}

void Listbox::setColumnWidths(const QString& text) {
    widths = text.split(',');
    applyColumnWidths();
}

void Listbox::applyColumnWidths() {
    const int total = viewport()->width();
    for (int c = 0; c < columnCount(); ++c) {
        const QString width = c < widths.size() ? widths[c].trimmed() : QString();
        if (width.isEmpty()) continue;
        const int pixels = width.endsWith('%') ? total * width.chopped(1).toInt() / 100 : width.toInt();
        setColumnHidden(c, pixels <= 0);
        if (pixels > 0) setColumnWidth(c, pixels);
    }
}

void Listbox::setGridLines(bool horizontal, bool vertical) { setShowGrid(horizontal || vertical); }

void Listbox::AddRow(const QString& text) {
    const int row = rowCount();
    insertRow(row);
    setCell(row, 0, text);
}

QString Listbox::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void Listbox::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(text);
    else setItem(row, column, new QTableWidgetItem(text));
}

int Listbox::ListIndex() const {
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void Listbox::setListIndex(int row) {
    clearSelection();
    if (row >= 0 && row < rowCount()) setSelected(row, true);
}

bool Listbox::Selected(int row) const {
    return row >= 0 && row < rowCount() && selectionModel()->isRowSelected(row, QModelIndex());
}

void Listbox::setSelected(int row, bool selected) {
    if (row < 0 || row >= rowCount()) return;
    if (selected) selectRow(row);
    else selectionModel()->select(model()->index(row, 0),
                                  QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

int Listbox::ScrollPosition() const { return verticalScrollBar()->value(); }

void Listbox::setScrollPosition(int row) { verticalScrollBar()->setValue(row); }

void Listbox::Refresh(bool) { viewport()->update(); }

void Listbox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int row = rowAt(at.y());
    const int column = columnAt(at.x());
    if (onCellClick && row >= 0) {
        const QModelIndexList before = selectionModel()->selectedRows();
        if (onCellClick(row, column, at.x(), at.y()) || selectionModel()->selectedRows() != before) {
            setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
    }
    QTableWidget::mousePressEvent(event);
}

// The second press of a double click has come as a press already.
void Listbox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) emit DoubleClick();
}

void Listbox::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    applyColumnWidths();
}
