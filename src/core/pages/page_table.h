// The six page slots of the notebook, the current page and the texts that show it.
#pragma once

#include "pages/page.h"

#include <array>
#include <memory>

namespace lumo {

constexpr int kPageSlots = 6;

// What the status bar, the tab and the title show for a page.
struct PageStatusTexts {
    wxString radio;  // status field 1 and the tab
    wxString band;   // status field 2
    wxString rows;   // status field 3: "%d Rows"
    wxString title;  // "Norv Lumo: Page %d of %d."
    // After the title: the page's data file, " *" while it holds changes not saved ("NAME.lumo",
    // "NAME.lumo *", "no file *"); empty for a page that holds nothing yet.
    wxString file;
    wxString tabTip;  // radio and band, the file's path, "Changes not saved"
};

class PageTable {
  public:
    int Count() const { return count_; }
    int Current() const { return current_; }
    void SetCurrent(int slot) { current_ = slot; }

    // The page in a slot, created on first use.
    Page& Slot(int slot);
    bool IsInUse(int slot) const { return slot >= 0 && slot < count_; }
    Page& CurrentPage() { return Slot(current_); }

    // Marks the next slot as used; returns false when all six are.
    bool AddSlot();
    // Removes a slot; the slots above it move down. The operating modes stay with the slot
    // number, as the radio they were read from is addressed by slot.
    void RemoveSlot(int slot);

    // The guard rows of the current page as last shown (-1 when it has none).
    int FirstGuardRow() const { return guard1_; }
    int SecondGuardRow() const { return guard2_; }

    PageStatusTexts StatusTexts(int slot);
    // Refreshes the guard-row numbers of the current page from a shown page.
    void NoteShownPage(int slot);

  private:
    std::array<std::unique_ptr<Page>, kPageSlots> slots_;
    int count_ = 0;
    int current_ = 0;
    int guard1_ = -1;
    int guard2_ = -1;
};

}  // namespace lumo
