#include "desktop/toolkit/reading_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace vantrell::toolkit {

ReadingTable::ReadingTable(int columns, std::vector<int> wrappingColumns, int wrappingMinimum, QWidget* parent)
    : QTableWidget(0, columns, parent), wrappingColumns_(std::move(wrappingColumns)), wrappingMinimum_(wrappingMinimum) {
    verticalHeader()->hide();
    setWordWrap(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A scroll bar that came and went with the rows' heights would narrow the columns that set those heights.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void ReadingTable::FitToContents() {
    for (int column = 0; column < columnCount(); ++column) {
        if (!Wraps(column)) resizeColumnToContents(column);
    }
    FitWrappingColumns();
    resizeRowsToContents();
}

void ReadingTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitWrappingColumns();
}

bool ReadingTable::Wraps(int column) const {
    return std::find(wrappingColumns_.begin(), wrappingColumns_.end(), column) != wrappingColumns_.end();
}

void ReadingTable::FitWrappingColumns() {
    if (wrappingColumns_.empty()) return;
    int others = 0;
    for (int column = 0; column < columnCount(); ++column) others += Wraps(column) ? 0 : columnWidth(column);
    const int count = static_cast<int>(wrappingColumns_.size());
    const int width = std::max(wrappingMinimum_, (viewport()->width() - others) / count);
    if (std::all_of(wrappingColumns_.begin(), wrappingColumns_.end(), [&](int column) { return columnWidth(column) == width; })) {
        return;
    }
    for (const int column : wrappingColumns_) setColumnWidth(column, width);
    resizeRowsToContents();
}

}  // namespace vantrell::toolkit
