// The one store of a page's channel data: rows of 32 text cells, each with a read-only flag and
// an optional background colour, plus the page's selection. The grid on screen is a view of it.
#pragma once

#include "model/memory_record.h"

#include <wx/string.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace lumo {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

constexpr Rgb kHighlightColour{235, 125, 50};
constexpr Rgb kMarkColour{105, 160, 170};

// An inclusive rectangle of cells.
struct CellBlock {
    int top, left, bottom, right;
    bool Contains(int row, int col) const {
        return row >= top && row <= bottom && col >= left && col <= right;
    }
};

// The selection as the grid reports it: a list of blocks, whole rows and columns included.
class Selection {
  public:
    void Clear() { blocks_.clear(); }
    void Add(const CellBlock& block) { blocks_.push_back(block); }
    void AddRow(int row) { Add({row, 0, row, kColumnCount - 1}); }
    void AddColumn(int col, int rowCount) { Add({0, col, rowCount - 1, col}); }
    void SelectAll(int rowCount) { blocks_ = {{0, 0, rowCount - 1, kColumnCount - 1}}; }
    bool Contains(int row, int col) const;
    bool IsRowSelected(int row) const { return Contains(row, 0); }
    bool Empty() const { return blocks_.empty(); }
    const std::vector<CellBlock>& Blocks() const { return blocks_; }
    // Keeps the selection on the same data when rows move.
    void OnRowsDeleted(int pos, int count);
    void OnRowsInserted(int pos, int count);

  private:
    std::vector<CellBlock> blocks_;
};

// Told when the number of rows changes, so a view can follow.
class CellStoreObserver {
  public:
    virtual ~CellStoreObserver() = default;
    virtual void RowsInserted(int pos, int count) = 0;
    virtual void RowsDeleted(int pos, int count) = 0;
    virtual void RowsAppended(int count) = 0;
};

class CellStore {
  public:
    struct Cell {
        wxString text;
        bool readOnly = false;
        bool hasColour = false;
        Rgb colour;
        bool operator==(const Cell& o) const {
            return text == o.text && readOnly == o.readOnly && hasColour == o.hasColour &&
                   colour == o.colour;
        }
        bool operator!=(const Cell& o) const { return !(*this == o); }
    };
    using Row = std::vector<Cell>;
    // The rows as they stand. A row is shared until the store or a holder changes it (the store
    // copies a shared row before writing it), so keeping a page's state costs a pointer a row.
    using SharedRows = std::vector<std::shared_ptr<const Row>>;

    explicit CellStore(int gridRows = 0);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    bool IsValid(int row, int col) const {
        return row >= 0 && row < RowCount() && col >= 0 && col < kColumnCount;
    }

    // Reads outside the store give the empty text; writes outside it are ignored.
    const wxString& Get(int row, int col) const;
    void Set(int row, int col, const wxString& text);
    RowTexts GetRow(int row) const;
    void SetRow(int row, const RowTexts& texts, int firstCol = 0, int lastCol = kColumnCount - 1);

    bool IsReadOnly(int row, int col) const;
    void SetReadOnly(int row, int col, bool readOnly = true);

    std::optional<Rgb> Background(int row, int col) const;
    void SetBackground(int row, int col, std::optional<Rgb> colour);
    // Gives the cell the background of cell (0, 0), which removes a highlight or a mark.
    void ResetBackground(int row, int col) { SetBackground(row, col, Background(0, 0)); }

    // All 32 cells emptied; flags and colours stay.
    void ClearRowTexts(int row);
    // Every cell emptied, editable and uncoloured.
    void ClearAll();

    void InsertRows(int pos, int count);
    void DeleteRows(int pos, int count);
    void AppendRows(int count);

    bool IsRowUsed(int row) const;

    Selection& GetSelection() { return selection_; }
    const Selection& GetSelection() const { return selection_; }

    void SetObserver(CellStoreObserver* observer) { observer_ = observer; }
    CellStoreObserver* Observer() const { return observer_; }

    // Whole cells, for the undo history: text, lock and colour together.
    const Cell& CellAt(int row, int col) const;
    void SetCell(int row, int col, const Cell& cell);
    SharedRows ShareRows() const { return {rows_.begin(), rows_.end()}; }
    // Takes rows shared earlier as the store's; the observer learns of rows gained or lost.
    void AdoptRows(const SharedRows& rows);

    // Changes with every change of content, so callers can tell whether a page was edited. Each
    // change takes a number never used before, so a state left by undo is told apart from any
    // later one; SetRevision gives a restored state its number back.
    uint64_t Revision() const { return revision_; }
    void SetRevision(uint64_t revision) { revision_ = revision; }

  private:
    Cell* At(int row, int col);
    const Cell* At(int row, int col) const;

    void Changed() { revision_ = ++lastRevision_; }

    std::vector<std::shared_ptr<Row>> rows_;
    Selection selection_;
    CellStoreObserver* observer_ = nullptr;
    uint64_t revision_ = 0;
    uint64_t lastRevision_ = 0;
};

}  // namespace lumo
