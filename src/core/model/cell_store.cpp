#include "model/cell_store.h"

#include <algorithm>

namespace lumo {

bool Selection::Contains(int row, int col) const {
    return std::any_of(blocks_.begin(), blocks_.end(),
                       [&](const CellBlock& b) { return b.Contains(row, col); });
}

void Selection::OnRowsDeleted(int pos, int count) {
    std::vector<CellBlock> kept;
    for (CellBlock b : blocks_) {
        int lastDeleted = pos + count - 1;
        if (b.bottom < pos) {
            kept.push_back(b);
            continue;
        }
        if (b.top > lastDeleted) {
            b.top -= count;
            b.bottom -= count;
            kept.push_back(b);
            continue;
        }
        // The block overlaps the deleted rows: keep what survives of it.
        int survivorsAbove = std::max(0, pos - b.top);
        int survivorsBelow = std::max(0, b.bottom - lastDeleted);
        if (survivorsAbove + survivorsBelow == 0) continue;
        int top = std::min(b.top, pos);
        kept.push_back({top, b.left, top + survivorsAbove + survivorsBelow - 1, b.right});
    }
    blocks_ = std::move(kept);
}

void Selection::OnRowsInserted(int pos, int count) {
    for (CellBlock& b : blocks_) {
        if (b.top >= pos) {
            b.top += count;
            b.bottom += count;
        } else if (b.bottom >= pos) {
            b.bottom += count;
        }
    }
}

CellStore::CellStore(int gridRows) : rows_(std::max(0, gridRows), Row(kColumnCount)) {}

CellStore::Cell* CellStore::At(int row, int col) {
    return IsValid(row, col) ? &rows_[row][col] : nullptr;
}

const CellStore::Cell* CellStore::At(int row, int col) const {
    return IsValid(row, col) ? &rows_[row][col] : nullptr;
}

const wxString& CellStore::Get(int row, int col) const {
    static const wxString empty;
    const Cell* cell = At(row, col);
    return cell ? cell->text : empty;
}

void CellStore::Set(int row, int col, const wxString& text) {
    Cell* cell = At(row, col);
    if (!cell || cell->text == text) return;
    cell->text = text;
    ++revision_;
}

RowTexts CellStore::GetRow(int row) const {
    RowTexts texts;
    for (int c = 0; c < kColumnCount; ++c)
        texts[c] = Get(row, c);
    return texts;
}

void CellStore::SetRow(int row, const RowTexts& texts, int firstCol, int lastCol) {
    for (int c = std::max(0, firstCol); c <= std::min(lastCol, kColumnCount - 1); ++c)
        Set(row, c, texts[c]);
}

bool CellStore::IsReadOnly(int row, int col) const {
    const Cell* cell = At(row, col);
    return cell && cell->readOnly;
}

void CellStore::SetReadOnly(int row, int col, bool readOnly) {
    if (Cell* cell = At(row, col)) cell->readOnly = readOnly;
}

std::optional<Rgb> CellStore::Background(int row, int col) const {
    const Cell* cell = At(row, col);
    if (!cell || !cell->hasColour) return std::nullopt;
    return cell->colour;
}

void CellStore::SetBackground(int row, int col, std::optional<Rgb> colour) {
    Cell* cell = At(row, col);
    if (!cell) return;
    cell->hasColour = colour.has_value();
    cell->colour = colour.value_or(Rgb{});
}

void CellStore::ClearRowTexts(int row) {
    for (int c = 0; c < kColumnCount; ++c)
        Set(row, c, wxString());
}

void CellStore::ClearAll() {
    for (Row& row : rows_)
        std::fill(row.begin(), row.end(), Cell{});
    ++revision_;
}

void CellStore::InsertRows(int pos, int count) {
    if (count <= 0 || pos < 0 || pos > RowCount()) return;
    rows_.insert(rows_.begin() + pos, count, Row(kColumnCount));
    selection_.OnRowsInserted(pos, count);
    ++revision_;
    if (observer_) observer_->RowsInserted(pos, count);
}

void CellStore::DeleteRows(int pos, int count) {
    if (pos < 0 || pos >= RowCount()) return;
    count = std::min(count, RowCount() - pos);
    if (count <= 0) return;
    rows_.erase(rows_.begin() + pos, rows_.begin() + pos + count);
    selection_.OnRowsDeleted(pos, count);
    ++revision_;
    if (observer_) observer_->RowsDeleted(pos, count);
}

void CellStore::AppendRows(int count) {
    if (count <= 0) return;
    rows_.resize(rows_.size() + count, Row(kColumnCount));
    ++revision_;
    if (observer_) observer_->RowsAppended(count);
}

bool CellStore::IsRowUsed(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    return std::any_of(rows_[row].begin(), rows_[row].end(),
                       [](const Cell& c) { return !c.text.empty(); });
}

}  // namespace lumo
