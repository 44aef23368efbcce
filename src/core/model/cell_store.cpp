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

namespace {
std::shared_ptr<CellStore::Row> EmptyRow() {
    return std::make_shared<CellStore::Row>(kColumnCount);
}
}  // namespace

// Empty rows share one row until they are written.
CellStore::CellStore(int gridRows) : rows_(std::max(0, gridRows), EmptyRow()) {}

CellStore::Cell* CellStore::At(int row, int col) {
    if (!IsValid(row, col)) return nullptr;
    std::shared_ptr<Row>& shared = rows_[row];
    if (shared.use_count() > 1) shared = std::make_shared<Row>(*shared);
    return &(*shared)[col];
}

const CellStore::Cell* CellStore::At(int row, int col) const {
    return IsValid(row, col) ? &(*rows_[row])[col] : nullptr;
}

const wxString& CellStore::Get(int row, int col) const {
    static const wxString empty;
    const Cell* cell = At(row, col);
    return cell ? cell->text : empty;
}

void CellStore::Set(int row, int col, const wxString& text) {
    const Cell* current = static_cast<const CellStore*>(this)->At(row, col);
    if (!current || current->text == text) return;
    // A shared row is copied first; `text` may live in the old row, which its holder keeps.
    At(row, col)->text = text;
    Changed();
}

const CellStore::Cell& CellStore::CellAt(int row, int col) const {
    static const Cell empty;
    const Cell* cell = At(row, col);
    return cell ? *cell : empty;
}

void CellStore::SetCell(int row, int col, const Cell& cell) {
    const Cell* current = static_cast<const CellStore*>(this)->At(row, col);
    if (!current || *current == cell) return;
    bool textChanged = current->text != cell.text;
    *At(row, col) = cell;
    if (textChanged) Changed();
}

void CellStore::AdoptRows(const SharedRows& rows) {
    int before = RowCount();
    rows_.clear();
    // The store writes only rows no one else holds (see At), so dropping const here is safe.
    for (const std::shared_ptr<const Row>& row : rows)
        rows_.push_back(std::const_pointer_cast<Row>(row));
    int after = RowCount();
    if (!observer_) return;
    if (after < before) observer_->RowsDeleted(after, before - after);
    if (after > before) observer_->RowsAppended(after - before);
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
    if (IsReadOnly(row, col) == readOnly) return;
    if (Cell* cell = At(row, col)) cell->readOnly = readOnly;
}

std::optional<Rgb> CellStore::Background(int row, int col) const {
    const Cell* cell = At(row, col);
    if (!cell || !cell->hasColour) return std::nullopt;
    return cell->colour;
}

void CellStore::SetBackground(int row, int col, std::optional<Rgb> colour) {
    if (!IsValid(row, col) || Background(row, col) == colour) return;
    Cell* cell = At(row, col);
    cell->hasColour = colour.has_value();
    cell->colour = colour.value_or(Rgb{});
}

void CellStore::ClearRowTexts(int row) {
    for (int c = 0; c < kColumnCount; ++c)
        Set(row, c, wxString());
}

void CellStore::ClearAll() {
    std::shared_ptr<Row> empty = EmptyRow();
    for (std::shared_ptr<Row>& row : rows_)
        row = empty;
    Changed();
}

void CellStore::InsertRows(int pos, int count) {
    if (count <= 0 || pos < 0 || pos > RowCount()) return;
    rows_.insert(rows_.begin() + pos, count, EmptyRow());
    selection_.OnRowsInserted(pos, count);
    Changed();
    if (observer_) observer_->RowsInserted(pos, count);
}

void CellStore::DeleteRows(int pos, int count) {
    if (pos < 0 || pos >= RowCount()) return;
    count = std::min(count, RowCount() - pos);
    if (count <= 0) return;
    rows_.erase(rows_.begin() + pos, rows_.begin() + pos + count);
    selection_.OnRowsDeleted(pos, count);
    Changed();
    if (observer_) observer_->RowsDeleted(pos, count);
}

void CellStore::AppendRows(int count) {
    if (count <= 0) return;
    rows_.resize(rows_.size() + count, EmptyRow());
    Changed();
    if (observer_) observer_->RowsAppended(count);
}

bool CellStore::IsRowUsed(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    return std::any_of(rows_[row]->begin(), rows_[row]->end(),
                       [](const Cell& c) { return !c.text.empty(); });
}

}  // namespace lumo
