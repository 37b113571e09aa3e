#include "platform/Listbox.h"

#include "platform/DragItem.h"
#include "platform/Window.h"

#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

// The role holding the whole text of a cell that shows it cut.
constexpr int WholeTextRole = Qt::UserRole + 1;
// Wider than any list shows a cell.
constexpr double WidestCell = 4096;

void setCellText(QTreeWidgetItem* item, int column, const QString& text) {
    bool cut = false;
    item->setText(column, shownLines(text, WidestCell, &cut));
    if (cut || item->data(column, WholeTextRole).isValid()) {
        item->setData(column, WholeTextRole, cut ? QVariant(text) : QVariant());
        item->setToolTip(column, cut ? wholeTextTip(text) : QString());
    }
}

}  // namespace

Listbox::Listbox(Window* window, const QString& name, int left, int top, int width, int height, int columns)
    : QTreeWidget(window->content()), Control(this, window, name, left, top, width, height) {
    setColumnCount(columns);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(false);
    setHeaderLabels(QStringList(columns, QString()));
    connect(model(), &QAbstractItemModel::rowsInserted, this, &Listbox::fitColumnsLater);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &Listbox::fitColumnsLater);
    connect(model(), &QAbstractItemModel::dataChanged, this, &Listbox::fitColumnsLater);
    connect(model(), &QAbstractItemModel::headerDataChanged, this, &Listbox::fitColumnsLater);
}

void Listbox::setHeading(int column, const QString& text) {
    if (column < 0) {
        setHeaderLabels(text.split(QChar(9)));
        return;
    }
    if (column < columnCount()) headerItem()->setText(column, text);
}

QString Listbox::Heading(int column) const {
    return column >= 0 && column < columnCount() ? headerItem()->text(column) : QString();
}

void Listbox::setColumnWidths(const QString& widths) {
    widthShares.clear();
    for (const QString& part : widths.split(',')) widthShares << part.trimmed().remove('%').toDouble() / 100.0;
    applyWidths();
}

void Listbox::setColumnsResizable(bool value) {
    header()->setSectionResizeMode(value ? QHeaderView::Interactive : QHeaderView::Fixed);
    header()->setStretchLastSection(true);
}

std::vector<int> fitColumnWidths(const std::vector<int>& natural, const std::vector<double>& shares, int available) {
    const size_t columns = natural.size();
    auto shown = [&](size_t c) { return shares.empty() || c >= shares.size() || shares[c] > 0; };
    // What each column wants beyond its content: its share's excess over the content, or, without
    // shares, room in proportion to the content.
    std::vector<qint64> beyond(columns, 0);
    qint64 total = 0, wanted = 0;
    for (size_t c = 0; c < columns; ++c) {
        if (!shown(c)) continue;
        total += natural[c];
        if (shares.empty()) beyond[c] = natural[c];
        else if (c < shares.size()) beyond[c] = std::max<qint64>(0, static_cast<qint64>(available * shares[c]) - natural[c]);
        wanted += beyond[c];
    }
    std::vector<int> widths(columns, 0);
    const qint64 spare = available - total;
    if (spare >= 0) {
        for (size_t c = 0; c < columns; ++c) {
            if (!shown(c)) continue;
            const qint64 extra = !shares.empty() && wanted <= spare ? beyond[c] : wanted > 0 ? spare * beyond[c] / wanted : 0;
            widths[c] = static_cast<int>(natural[c] + extra);
        }
        return widths;
    }
    // Too narrow: the columns above a common cap are cut to it, the cap chosen so that all fit.
    std::vector<int> sorted;
    for (size_t c = 0; c < columns; ++c)
        if (shown(c)) sorted.push_back(natural[c]);
    std::sort(sorted.begin(), sorted.end());
    int remaining = available, cap = sorted.empty() ? 0 : sorted.back();
    for (size_t i = 0; i < sorted.size(); ++i) {
        const int left = static_cast<int>(sorted.size() - i);
        if (sorted[i] * static_cast<qint64>(left) > remaining) {
            cap = remaining / left;
            break;
        }
        remaining -= sorted[i];
    }
    for (size_t c = 0; c < columns; ++c)
        if (shown(c)) widths[c] = std::min(natural[c], std::max(cap, 0));
    return widths;
}

void Listbox::applyWidths() {
    const int columns = columnCount();
    if (columns == 0) return;
    // The room as if the vertical scroll bar were shown, so that rows added later never push the
    // last column out of sight.
    int available = viewport()->width();
    if (!verticalScrollBar()->isVisibleTo(this)) available -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    std::vector<int> natural(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c)
        natural[c] = std::max(isHeaderHidden() ? 0 : header()->sectionSizeHint(c), sizeHintForColumn(c));
    const std::vector<double> shares(widthShares.begin(), widthShares.end());
    const std::vector<int> widths = fitColumnWidths(natural, shares, available);
    for (int c = 0; c < columns; ++c) {
        setColumnHidden(c, c < widthShares.size() && widthShares[c] <= 0);
        setColumnWidth(c, widths[c]);
    }
}

void Listbox::fitColumnsLater() {
    if (fitPending) return;
    fitPending = true;
    QTimer::singleShot(0, this, [this] {
        fitPending = false;
        applyWidths();
    });
}

void Listbox::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    applyWidths();
}

void Listbox::AddRow(const QString& firstCell) {
    auto* item = new QTreeWidgetItem(this);
    setCellText(item, 0, firstCell);
    item->setFlags(item->flags() | Qt::ItemIsDragEnabled);
}

void Listbox::AddRows(const std::vector<QStringList>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& cells : rows) {
        QStringList shown = cells.mid(0, columnCount());
        bool anyCut = false;
        for (QString& cell : shown) {
            bool cut = false;
            cell = shownLines(cell, WidestCell, &cut);
            anyCut = anyCut || cut;
        }
        // A new item may be dragged; its cells are set at once.
        auto* item = new QTreeWidgetItem(shown);
        if (anyCut)
            for (qsizetype c = 0; c < shown.size(); ++c) setCellText(item, static_cast<int>(c), cells[c]);
        items << item;
    }
    addTopLevelItems(items);
}

int Listbox::ListIndex() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void Listbox::setListIndex(int row) {
    clearSelection();
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
    }
}

bool Listbox::Selected(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->isSelected();
}

void Listbox::setSelected(int row, bool selected) {
    if (QTreeWidgetItem* item = topLevelItem(row)) item->setSelected(selected);
}

int Listbox::ScrollPosition() const {
    const QModelIndex top = indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

void Listbox::setScrollPosition(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row)) scrollToItem(item, QAbstractItemView::PositionAtTop);
}

QString Listbox::Cell(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item) return QString();
    const QVariant whole = item->data(column, WholeTextRole);
    return whole.isValid() ? whole.toString() : item->text(column);
}

void Listbox::setCell(int row, int column, const QString& text) {
    if (QTreeWidgetItem* item = topLevelItem(row); item && column >= 0 && column < columnCount())
        setCellText(item, column, text);
}

QVariant Listbox::CellTag(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(column, Qt::UserRole) : QVariant();
}

void Listbox::setCellTag(int row, int column, const QVariant& tag) {
    if (QTreeWidgetItem* item = topLevelItem(row); item && column >= 0 && column < columnCount())
        item->setData(column, Qt::UserRole, tag);
}

void Listbox::setCellCentred(int row, int column) {
    if (QTreeWidgetItem* item = topLevelItem(row)) item->setTextAlignment(column, Qt::AlignCenter);
}

void Listbox::setCellBold(int row, int column, bool bold) {
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        QFont font = item->font(column);
        font.setBold(bold);
        item->setFont(column, font);
    }
}

void Listbox::setEnableDrag(bool value) {
    setDragEnabled(value);
    setDragDropMode(value ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

QMimeData* Listbox::dragData(int row) const {
    if (!onDragRow || row < 0 || row >= ListCount()) return nullptr;
    auto* data = new QMimeData;
    DragItem drag(data);
    if (onDragRow(drag, row)) return data;
    delete data;
    return nullptr;
}

void Listbox::startDrag(Qt::DropActions actions) {
    QMimeData* data = dragData(ListIndex());
    if (!data) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(actions, Qt::CopyAction);
}

void Listbox::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid()) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    const QList<QTreeWidgetItem*> before = selectedItems();
    emit CellClick(at.row(), at.column());
    const QList<QTreeWidgetItem*> chosen = selectedItems();
    // The list still sees the press, so that a double click is recognised, and then gets back
    // the selection that the handler chose.
    QTreeWidget::mousePressEvent(event);
    if (chosen == before) return;
    clearSelection();
    for (QTreeWidgetItem* item : chosen) item->setSelected(true);
}

void Listbox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit DoubleClick();
}

void Listbox::Refresh(bool eraseBackground) {
    Q_UNUSED(eraseBackground)
    viewport()->update();
}
