#include "pages/page_table.h"

#include <algorithm>

namespace lumo {

Page& PageTable::Slot(int slot) {
    slot = std::clamp(slot, 0, kPageSlots - 1);
    if (!slots_[slot]) slots_[slot] = std::make_unique<Page>();
    return *slots_[slot];
}

bool PageTable::AddSlot() {
    if (count_ >= kPageSlots) return false;
    ++count_;
    return true;
}

void PageTable::RemoveSlot(int slot) {
    if (!IsInUse(slot)) return;
    std::array<int, kPageSlots> modes{};
    for (int i = 0; i < kPageSlots; ++i)
        modes[i] = Slot(i).operatingModes;
    for (int p = slot; p < count_ - 1; ++p)
        std::swap(slots_[p], slots_[p + 1]);
    slots_[count_ - 1] = std::make_unique<Page>();
    Page& emptied = *slots_[count_ - 1];
    emptied.params = PageParameters{};
    for (int i = 0; i < kPageSlots; ++i)
        Slot(i).operatingModes = modes[i];
    --count_;
    if (current_ >= count_) current_ = std::max(0, count_ - 1);
}

PageStatusTexts PageTable::StatusTexts(int slot) {
    const Page& page = Slot(slot);
    PageStatusTexts texts;
    texts.radio = page.strings.radioName;
    texts.band = page.strings.bandName;
    texts.rows = wxString::Format("%d Rows", page.Rows());
    texts.title = wxString::Format("Norv Lumo: Page %d of %d.", slot + 1, count_);
    const wxString& name = page.strings.fileName;
    bool unsaved = page.HasUnsavedChanges();
    if (!name.empty() || unsaved)
        texts.file = (name.empty() ? wxString("no file") : name + ".lumo") + (unsaved ? " *" : "");
    texts.tabTip = texts.radio + ", " + texts.band + "\n" +
                   (name.empty() ? wxString("Not saved to a file yet")
                                 : page.strings.fileDirectory + name + ".lumo");
    if (unsaved) texts.tabTip += "\nChanges not saved";
    return texts;
}

void PageTable::NoteShownPage(int slot) {
    const Page& page = Slot(slot);
    guard1_ = page.FirstGuardRow();
    guard2_ = page.SecondGuardRow();
}

}  // namespace lumo
