// The undo history of one page. Each step holds only what it changed: the cells (text, lock and
// colour) it wrote, or, when rows moved, the rows of its other side told against the page's
// (a moved row costs its renumbered cells); the page's parameters, names, zone counters and
// operating modes when they changed; the selection around it.
//
// The history compares the page with its last known state, so a command needs no hooks: the
// caller records a step after each command or edit, whatever path changed the page.
#pragma once

#include "pages/page.h"

#include <deque>

namespace lumo {

class PageHistory {
  public:
    // At least this many steps are kept; older ones are dropped.
    static constexpr size_t kDepth = 100;

    explicit PageHistory(const Page& page, size_t depth = kDepth) : depth_(depth) { Reset(page); }

    // Starts afresh from the page as it stands, with nothing to undo.
    void Reset(const Page& page);
    // Makes what changed since the last step one step named `name` (a command's menu text).
    // Returns false, and leaves the page's revision as it was, when nothing changed.
    bool Record(Page& page, const wxString& name);
    // Takes the page's names as they stand without a step (a save gives a page its file name).
    void AbsorbNames(const Page& page);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    wxString UndoName() const { return CanUndo() ? steps_[done_ - 1].name : wxString(); }
    wxString RedoName() const { return CanRedo() ? steps_[done_].name : wxString(); }
    size_t Size() const { return steps_.size(); }

    // Undoes or redoes one step, the selection included; false when there is none. Record a
    // change made since the last step first, or it is lost.
    bool Undo(Page& page);
    bool Redo(Page& page);

    // The parts of a page other than its cells that a step restores.
    struct Facts {
        PageParameters params;
        PageStrings strings;
        std::array<int, kZoneCount> zoneCounters{};
        int operatingModes = 0;
    };

  private:
    struct CellChange {
        int row, col;
        CellStore::Cell before, after;
    };
    // One row of the other side of a step that moved rows: a row the page holds as it stands
    // (`whole`), or a row of the page (`base`) with a few cells of its own.
    struct PatchRow {
        std::shared_ptr<const CellStore::Row> whole;
        int base = -1;
        std::vector<std::pair<int, CellStore::Cell>> cells;
    };
    using RowsPatch = std::vector<PatchRow>;
    // The rows of `target` told against `base`: rows moved or renumbered cost their changed
    // cells, not a copy.
    static RowsPatch Encode(const CellStore::SharedRows& target, const CellStore::SharedRows& base);
    static CellStore::SharedRows Decode(const RowsPatch& patch, const CellStore::SharedRows& base);

    struct Step {
        wxString name;
        std::vector<CellChange> cells;
        // Rows were added, removed or moved: the step keeps the rows of its other side (before
        // it while done, after it while undone) against the page's.
        bool rowsMoved = false;
        RowsPatch otherRows;
        bool factsChanged = false;
        Facts factsBefore, factsAfter;
        Selection selectionBefore, selectionAfter;
        uint64_t revisionBefore = 0, revisionAfter = 0;
    };
    struct State {
        CellStore::SharedRows rows;
        Facts facts;
        Selection selection;
        uint64_t revision = 0;
    };

    void Apply(Page& page, Step& step, bool forward);

    size_t depth_;
    std::deque<Step> steps_;
    size_t done_ = 0;  // steps_[0, done_) are done
    State last_;
};

}  // namespace lumo
