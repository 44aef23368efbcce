#include "edit/page_history.h"

#include <tuple>
#include <unordered_set>

namespace lumo {

namespace {
// Beyond this many changed cells a step keeps whole rows: the rows are shared with the page, so
// a command that touches most of a page costs a pointer a row instead of a copy of each cell.
constexpr size_t kMaxCellChanges = 256;

PageHistory::Facts FactsOf(const Page& page) {
    return {page.params, page.strings, page.zoneCounters, page.operatingModes};
}

auto Tie(const PageParameters& p) {
    return std::tie(p.radio, p.bandChoice, p.band, p.rows, p.pageType, p.pageFlags);
}

bool SameNames(const PageStrings& a, const PageStrings& b) {
    return a.radioName == b.radioName && a.bandName == b.bandName && a.typeCode == b.typeCode &&
           a.fileName == b.fileName && a.fileDirectory == b.fileDirectory;
}

bool SameFacts(const PageHistory::Facts& a, const PageHistory::Facts& b) {
    return Tie(a.params) == Tie(b.params) && SameNames(a.strings, b.strings) &&
           a.zoneCounters == b.zoneCounters && a.operatingModes == b.operatingModes;
}

// Only what the step changed goes back: a file name given by a later save stays.
template <typename T>
void Follow(T& field, const T& from, const T& to) {
    if (!(from == to)) field = to;
}

void ApplyFacts(Page& page, const PageHistory::Facts& from, const PageHistory::Facts& to) {
    if (Tie(from.params) != Tie(to.params)) page.params = to.params;
    Follow(page.strings.radioName, from.strings.radioName, to.strings.radioName);
    Follow(page.strings.bandName, from.strings.bandName, to.strings.bandName);
    Follow(page.strings.typeCode, from.strings.typeCode, to.strings.typeCode);
    Follow(page.strings.fileName, from.strings.fileName, to.strings.fileName);
    Follow(page.strings.fileDirectory, from.strings.fileDirectory, to.strings.fileDirectory);
    Follow(page.zoneCounters, from.zoneCounters, to.zoneCounters);
    Follow(page.operatingModes, from.operatingModes, to.operatingModes);
}
}  // namespace

PageHistory::RowsPatch PageHistory::Encode(const CellStore::SharedRows& target,
                                           const CellStore::SharedRows& base) {
    // A row moves by the difference in row count, or by one (an inserted or deleted row).
    constexpr int kMostCellsOfAMovedRow = 4;
    std::unordered_set<const CellStore::Row*> inBase;
    for (const auto& row : base)
        inBase.insert(row.get());
    int shift = static_cast<int>(base.size()) - static_cast<int>(target.size());
    RowsPatch patch(target.size());
    for (int r = 0; r < static_cast<int>(target.size()); ++r) {
        PatchRow& out = patch[r];
        out.whole = target[r];
        if (inBase.count(target[r].get())) continue;
        std::vector<std::pair<int, CellStore::Cell>> best;
        for (int b : {r, r + shift, r + 1, r - 1}) {
            if (b < 0 || b >= static_cast<int>(base.size())) continue;
            std::vector<std::pair<int, CellStore::Cell>> cells;
            for (int c = 0; c < kColumnCount && cells.size() <= kMostCellsOfAMovedRow; ++c)
                if ((*target[r])[c] != (*base[b])[c]) cells.emplace_back(c, (*target[r])[c]);
            if (cells.size() <= kMostCellsOfAMovedRow &&
                (out.base < 0 || cells.size() < best.size())) {
                out.base = b;
                best = std::move(cells);
            }
        }
        if (out.base < 0) continue;
        out.whole.reset();
        out.cells = std::move(best);
        out.cells.shrink_to_fit();
    }
    return patch;
}

CellStore::SharedRows PageHistory::Decode(const RowsPatch& patch,
                                          const CellStore::SharedRows& base) {
    CellStore::SharedRows rows;
    rows.reserve(patch.size());
    for (const PatchRow& in : patch) {
        if (in.whole) {
            rows.push_back(in.whole);
            continue;
        }
        auto row = std::make_shared<CellStore::Row>(*base[in.base]);
        for (const auto& [col, cell] : in.cells)
            (*row)[col] = cell;
        rows.push_back(std::move(row));
    }
    return rows;
}

void PageHistory::Reset(const Page& page) {
    steps_.clear();
    done_ = 0;
    last_ = {page.grid.ShareRows(), FactsOf(page), page.grid.GetSelection(), page.grid.Revision()};
}

void PageHistory::AbsorbNames(const Page& page) {
    last_.facts.strings = page.strings;
}

bool PageHistory::Record(Page& page, const wxString& name) {
    Step step;
    CellStore::SharedRows now = page.grid.ShareRows();
    step.rowsMoved = now.size() != last_.rows.size();
    for (size_t r = 0; r < now.size() && !step.rowsMoved; ++r) {
        if (now[r] == last_.rows[r]) continue;
        for (int c = 0; c < kColumnCount; ++c) {
            const CellStore::Cell& before = (*last_.rows[r])[c];
            const CellStore::Cell& after = (*now[r])[c];
            if (before != after) step.cells.push_back({static_cast<int>(r), c, before, after});
        }
        step.rowsMoved = step.cells.size() > kMaxCellChanges;
    }
    Facts facts = FactsOf(page);
    step.factsChanged = !SameFacts(facts, last_.facts);
    if (!step.rowsMoved && step.cells.empty() && !step.factsChanged) {
        // A value set and set back: nothing to undo, and nothing to save either.
        if (page.grid.Revision() != last_.revision) {
            bool saved = !page.HasUnsavedChanges();
            page.grid.SetRevision(last_.revision);
            if (saved) page.MarkSaved();
        }
        last_.rows = std::move(now);
        last_.selection = page.grid.GetSelection();
        return false;
    }
    step.name = name;
    if (step.rowsMoved) {
        step.cells.clear();
        step.otherRows = Encode(last_.rows, now);
    }
    if (step.factsChanged) {
        step.factsBefore = last_.facts;
        step.factsAfter = facts;
    }
    step.selectionBefore = last_.selection;
    step.selectionAfter = page.grid.GetSelection();
    step.revisionBefore = last_.revision;
    step.revisionAfter = page.grid.Revision();
    step.cells.shrink_to_fit();

    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > depth_) steps_.pop_front();
    done_ = steps_.size();
    last_ = {std::move(now), std::move(facts), page.grid.GetSelection(), page.grid.Revision()};
    return true;
}

void PageHistory::Apply(Page& page, Step& step, bool forward) {
    if (step.rowsMoved) {
        CellStore::SharedRows current = page.grid.ShareRows();
        CellStore::SharedRows other = Decode(step.otherRows, current);
        step.otherRows = Encode(current, other);
        page.grid.AdoptRows(other);
    } else {
        for (const CellChange& change : step.cells)
            page.grid.SetCell(change.row, change.col, forward ? change.after : change.before);
    }
    if (step.factsChanged)
        ApplyFacts(page, forward ? step.factsBefore : step.factsAfter,
                   forward ? step.factsAfter : step.factsBefore);
    page.grid.GetSelection() = forward ? step.selectionAfter : step.selectionBefore;
    page.grid.SetRevision(forward ? step.revisionAfter : step.revisionBefore);
    last_ = {page.grid.ShareRows(), FactsOf(page), page.grid.GetSelection(), page.grid.Revision()};
}

bool PageHistory::Undo(Page& page) {
    if (!CanUndo()) return false;
    Apply(page, steps_[--done_], false);
    return true;
}

bool PageHistory::Redo(Page& page) {
    if (!CanRedo()) return false;
    Apply(page, steps_[done_++], true);
    return true;
}

}  // namespace lumo
