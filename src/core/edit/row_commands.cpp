#include "edit/row_commands.h"

#include "edit/cell_edits.h"
#include "edit/row_check.h"
#include "edit/row_values.h"
#include "edit/shadows.h"
#include "edit/zones.h"
#include "util/diag_log.h"

#include <map>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoEdit";
const char* const kOverwriteSelection =
    "This will overwrite all data in selection, there is no 'undo'!";
const char* const kOverwriteNumbers =
    "This will overwrite all numbers in selection, there is no 'undo'!";

bool Confirm(RowCommand& cmd, const char* banner, const wxString& caption, const wxString& text) {
    LUMO_LOG(kUnit, "%s", banner);
    return cmd.dialogs.Ask(text, caption, DialogButtons::OkCancel) != DialogAnswer::Cancel;
}

std::vector<int> SelectedRows(const Page& page) {
    std::vector<int> rows;
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.grid.GetSelection().IsRowSelected(row)) rows.push_back(row);
    return rows;
}

void ClearForRemoval(Page& page, int row) {
    if (page.IsP25()) RemoveShadowLinks(page, row);
    ClearRowData(page, row, page.IsP25());
}

// Gives rows new memory numbers and keeps every primary/shadow link pointing at the same rows:
// PRIM, SHAD and the shadow slots are rewritten through the same map.
void RenumberRows(Page& page, const std::map<int, long>& newNumberOfRow) {
    std::map<long, long> numbers;  // old number -> new number
    for (const auto& [row, number] : newNumberOfRow) {
        long old = 0;
        // 0 in a link means "none": a row numbered 0 gets its new number, but no link follows it.
        if (ParseDecimal(page.grid.Get(row, MNUM), old) && old != 0) numbers[old] = number;
    }
    auto mapped = [&](const wxString& text, long& out) {
        long old = 0;
        if (!ParseDecimal(text, old)) return false;
        auto it = numbers.find(old);
        out = it == numbers.end() ? old : it->second;
        return it != numbers.end();
    };
    for (const auto& [row, number] : newNumberOfRow)
        page.grid.Set(row, MNUM, wxString::Format("%ld", number));
    if (!page.IsP25()) return;
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row)) continue;
        long value = 0;
        if (IsShadowRow(page, row)) {
            if (mapped(page.grid.Get(row, PRIM), value)) {
                page.grid.Set(row, PRIM, wxString::Format("%03ld", value));
                page.grid.Set(row, SHAD, wxString::Format("S-%03ld", value));
            }
        } else if (newNumberOfRow.count(row)) {
            page.grid.Set(row, PRIM, page.grid.Get(row, MNUM));
        }
        for (int slot = SHD0; slot <= SHD6; ++slot)
            if (mapped(page.grid.Get(row, slot), value) && value != 0)
                page.grid.Set(row, slot, wxString::Format("%03ld", value));
    }
}
// On P25 pages memory n lives in row n: shadows and primaries find each other through their
// numbers. After rows moved, every used memory row takes its row number again, links and all.
void KeepNumbersOnRows(Page& page) {
    std::map<int, long> numbers;
    for (int row = 1; row <= page.LastMemoryRow(); ++row)
        if (page.IsRowUsed(row)) numbers[row] = row;
    RenumberRows(page, numbers);
}
}  // namespace

bool CopyRow(RowCommand& cmd, PasteBuffer& buffer) {
    LUMO_LOG(kUnit, ">-- OnCopyRow ---------------------------------------------<");
    Page& page = cmd.page;
    page.grid.GetSelection().Clear();
    page.grid.GetSelection().AddRow(cmd.currentRow);
    buffer.reset();
    if (!page.IsRowUsed(cmd.currentRow)) {
        cmd.dialogs.Message("Cannot copy empty row.", "Error - Empty Row!");
        return false;
    }
    RowTexts row = page.grid.GetRow(cmd.currentRow);
    unsigned mflg = ParseHexFlags(row[MFLG]);
    if (page.IsP25() && (mflg & kMflgRelationMask)) {
        // The copy becomes a plain memory: no shadows, no primary, its own number.
        row[SHAD] = "N";
        row[PRIM] = row[MNUM];
        for (int slot = SHD0; slot <= SHD6; ++slot)
            row[slot] = "0";
        row[MFLG] = FormatHexFlags(mflg & ~(kMflgRelationMask | 0x08u));
    }
    buffer = row;
    return false;
}

bool PasteRow(RowCommand& cmd, const PasteBuffer& buffer) {
    if (!Confirm(cmd, ">-- OnPasteRow --------------------------------------------<",
                 "Paste copied data into Selection?", kOverwriteSelection))
        return false;
    if (!buffer) {
        cmd.dialogs.Message("Cannot paste empty row.", "Error - Empty paste buffer!");
        return false;
    }
    Page& page = cmd.page;
    int row = cmd.currentRow;
    if (row < 1 || row > page.Rows()) return false;
    wxString number = page.grid.Get(row, MNUM);
    if (page.IsP25()) {
        RemoveShadowLinks(page, row);
        ReleaseRowZone(page, row);
    }
    page.grid.SetRow(row, *buffer, MFLG, SHD6);
    // A pasted row keeps its own memory number; a row that had none takes its row number when
    // no other row holds it.
    if (number.empty() && FindDuplicateMNum(page, 1, row, page.Rows(), row) > page.Rows())
        number = wxString::Format("%03d", row);
    page.grid.Set(row, MNUM, number);
    // A pasted row is a filled row: it must not be taken for a blank one at its next edit.
    if (page.grid.Get(row, TFLG).empty()) page.grid.Set(row, TFLG, kDefaultTflg);
    CheckRow(page, cmd.dialogs, row);
    return true;
}

bool InsertRow(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnInsertRow ----------------------------------------<",
                 "Insert row above Selected row?",
                 "If last row is used, it will be lost, there is no 'undo'!"))
        return false;
    Page& page = cmd.page;
    int current = cmd.currentRow;
    int last = page.LastMemoryRow();
    if (current < 1 || current > last) return false;
    GuardRows guards = SaveGuardRows(page);
    page.grid.GetSelection().Clear();
    page.grid.GetSelection().AddRow(current);
    ClearForRemoval(page, last);
    page.grid.DeleteRows(last, 1);
    page.grid.InsertRows(current, 1);
    if (page.IsP25()) {
        KeepNumbersOnRows(page);
    } else {
        std::map<int, long> numbers;
        for (int row = current + 1; row <= last; ++row)
            if (page.IsRowUsed(row)) numbers[row] = row;
        RenumberRows(page, numbers);
    }
    RestoreGuardRows(page, guards);
    return true;
}

bool DeleteRows(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnDeleteRow ----------------------------------------<",
                 "Delete Selection?",
                 "This will delete all data in selection, there is no 'undo'!"))
        return false;
    Page& page = cmd.page;
    std::vector<int> rows;
    for (int row : SelectedRows(page))
        if (!page.IsGuardRow(row)) rows.push_back(row);
    GuardRows guards = SaveGuardRows(page);
    if (guards.saved) page.grid.DeleteRows(page.FirstGuardRow(), 2);
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        ClearForRemoval(page, *it);
        page.grid.DeleteRows(*it, 1);
        page.grid.AppendRows(1);
    }
    page.grid.GetSelection().Clear();
    if (guards.saved) {
        page.grid.AppendRows(2);
        RestoreGuardRows(page, guards);
    }
    if (page.IsP25() && !rows.empty()) KeepNumbersOnRows(page);
    return !rows.empty();
}

bool ClearRows(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnClearRow --------------------------------------------<",
                 "Clear rows in Selection?",
                 "This will clear all data in selection, there is no 'undo'!"))
        return false;
    std::vector<int> rows = SelectedRows(cmd.page);
    for (int row : rows)
        ClearForRemoval(cmd.page, row);
    cmd.page.grid.GetSelection().Clear();
    return !rows.empty();
}

bool DefaultRow(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnDefaultRow ------------------------------------------<",
                 "Change Selection to defaults?", kOverwriteSelection))
        return false;
    Page& page = cmd.page;
    page.grid.GetSelection().AddRow(cmd.currentRow);
    if (page.IsP25() && page.IsRowUsed(cmd.currentRow)) ClearForRemoval(page, cmd.currentRow);
    LUMO_LOG(kUnit, " . Copy default data to selected Row");
    ApplyRowValues(page, page.grid.GetRow(0), true, true);
    return true;
}

void SetDefaultCellValue(Page& page, int row, int col, const wxString& value) {
    CellStore& grid = page.grid;
    if (col == ZONE && page.IsP25()) {
        ReleaseRowZone(page, row);
        grid.Set(row, ZONE, wxString());
        CheckZone(page, row);
        return;
    }
    grid.Set(row, col, value);
    switch (col) {
        case RFRQ: grid.Set(row, TFRQ, value); break;
        case RTON:
        case RCOD:
        case RTGP:
        case RNAC: grid.Set(row, col + 6, value); break;
        default: break;
    }
    ExcludeToneOrCode(page, row, col);
}

int SelectedDefaultColumn(const Page& page) {
    // Only a column the page shows can be meant: hidden ones are selected only as part of a
    // whole row, and defaulting MFLG or PRIM would cut every shadow from its primary.
    for (int col = 0; col <= TNAC; ++col)
        if (IsColumnShown(page.Type(), col) && page.grid.GetSelection().Contains(1, col))
            return col;
    return TIDC;
}

bool DefaultColumn(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnDefaultCol ---------------------------------------<",
                 "Change Selection to default?",
                 "This will overwrite all valid data in selection, there is no 'undo'!"))
        return false;
    Page& page = cmd.page;
    int col = SelectedDefaultColumn(page);
    wxString value = page.grid.Get(0, col);
    LUMO_LOG(kUnit, " . Col: %d, Default Value: %s", col, value);
    if (col == ZONE && page.IsP25()) {
        // Every used row is placed again, in row order, from empty zones.
        page.zoneCounters.fill(0);
        for (int row = 1; row <= page.Rows(); ++row) {
            unsigned tflg = ParseHexFlags(page.grid.Get(row, TFLG));
            if (tflg & kTflgZoneCounted)
                page.grid.Set(row, TFLG, FormatHexFlags(tflg & ~kTflgZoneCounted));
        }
    }
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.IsRowUsed(row)) SetDefaultCellValue(page, row, col, value);
    page.grid.GetSelection().Clear();
    return true;
}

bool DefaultMarked(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnDefaultMarked ---------------------------------------<",
                 "Change Marked Rows in Column to default value?", kOverwriteSelection))
        return false;
    Page& page = cmd.page;
    int col = SelectedDefaultColumn(page);
    wxString value = page.grid.Get(0, col);
    LUMO_LOG(kUnit, " . Col: %d, Default Value: %s", col, value);
    // Only the marked rows move; each gives back its own slot, so the others keep theirs.
    for (int row = 1; row <= page.Rows(); ++row)
        if (page.grid.Background(row, MNUM) == kMarkColour)
            SetDefaultCellValue(page, row, col, value);
    page.grid.GetSelection().Clear();
    return true;
}

bool DefaultFile(RowCommand& cmd) {
    if (!Confirm(cmd, ">-- OnDefaultFile --------------------------------------<", "Default File?",
                 "This will overwrite all data in file, there is no 'undo'!"))
        return false;
    Page& page = cmd.page;
    page.grid.GetSelection().AddRow(cmd.currentRow);
    RowTexts defaults = page.grid.GetRow(0);
    Selection kept = page.grid.GetSelection();
    page.grid.ClearAll();
    page.grid.GetSelection() = kept;
    page.params.pageFlags = 0;
    page.zoneCounters.fill(0);
    page.grid.SetRow(0, defaults);
    page.grid.SetReadOnly(0, MNUM);
    ApplyRowValues(page, defaults, true, true);
    return true;
}

bool RenumberToRowNum(RowCommand& cmd) {
    if (!Confirm(cmd, ">--  OnReNumberToRowNum --------------------------------<",
                 "Re-number Rows?", kOverwriteNumbers))
        return false;
    std::map<int, long> numbers;
    for (int row = 1; row <= cmd.page.Rows(); ++row)
        if (cmd.page.IsRowUsed(row)) numbers[row] = row;
    RenumberRows(cmd.page, numbers);
    cmd.page.grid.GetSelection().Clear();
    return true;
}

bool RenumberSequential(RowCommand& cmd) {
    if (!Confirm(cmd, ">--  OnReNumberSequencially ----------------------------<",
                 "Re-number Rows?", kOverwriteNumbers))
        return false;
    std::map<int, long> numbers;
    long next = 1;
    for (int row = 1; row <= cmd.page.Rows(); ++row)
        if (cmd.page.IsRowUsed(row)) numbers[row] = next++;
    RenumberRows(cmd.page, numbers);
    cmd.page.grid.GetSelection().Clear();
    return true;
}

bool MarkRows(Page& page) {
    LUMO_LOG(kUnit, ">-- OnMarkRowForColEdit -----------------------------------<");
    std::vector<int> rows = SelectedRows(page);
    for (int row : rows)
        for (int col = 0; col < kColumnCount; ++col)
            page.grid.SetBackground(row, col, kMarkColour);
    page.grid.GetSelection().Clear();
    page.params.pageFlags |= kPageFlagMarked;
    return !rows.empty();
}

void FinishWrittenRow(Page& page, Dialogs& dialogs, int row) {
    CheckRow(page, dialogs, row);
    long number = 0;
    if (page.IsP25() && (ParseHexFlags(page.grid.Get(row, MFLG)) & kMflgPrimary) &&
        ParseDecimal(page.grid.Get(row, MNUM), number))
        HandleP25Shadows(page, number);
}

bool ClearSelectedCells(Page& page, Dialogs& dialogs) {
    const Selection& selection = page.grid.GetSelection();
    bool changed = false;
    for (int row = 1; row <= page.Rows(); ++row) {
        if (!page.IsRowUsed(row)) continue;
        std::vector<int> cols;
        bool whole = true;
        for (int col = 0; col < kColumnCount; ++col) {
            if (!IsColumnShown(page.Type(), col)) continue;
            if (selection.Contains(row, col))
                cols.push_back(col);
            else
                whole = false;
        }
        if (cols.empty()) continue;
        if (whole) {
            ClearForRemoval(page, row);
            changed = true;
            continue;
        }
        bool written = false;
        for (int col : cols) {
            if (col == MNUM || (col == ZONE && page.IsP25()) || page.grid.IsReadOnly(row, col) ||
                page.grid.Get(row, col).empty())
                continue;
            page.grid.Set(row, col, wxString());
            written = true;
        }
        if (written) FinishWrittenRow(page, dialogs, row);
        changed |= written;
    }
    return changed;
}

void SelectAllRows(Page& page) {
    LUMO_LOG(kUnit, "\n>----------- OnSelectAll --------------------------------------------<");
    page.grid.GetSelection().SelectAll(page.grid.RowCount());
}

void DeselectAllRows(Page& page) {
    LUMO_LOG(kUnit, "\n>----------- OnDeSelectAll ------------------------------------------<");
    page.grid.GetSelection().Clear();
}

}  // namespace lumo
