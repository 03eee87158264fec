#pragma once

#include <QTableWidget>
#include <vector>

namespace vantrell::toolkit {

// A table the user reads and picks rows of, never edits, as the planner's table
// dialogs show theirs. Its wrapping columns share the room the others leave,
// never narrower than a minimum (below that the table scrolls sideways), and
// are fitted again whenever the table is resized.
class ReadingTable : public QTableWidget {
public:
    ReadingTable(int columns, std::vector<int> wrappingColumns, int wrappingMinimum, QWidget* parent);

    // Sizes every other column to its contents, the wrapping ones to the room left, then the rows to theirs.
    void FitToContents();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Wraps(int column) const;
    void FitWrappingColumns();

    std::vector<int> wrappingColumns_;
    int wrappingMinimum_;
};

}  // namespace vantrell::toolkit
