#include "page_attr_provider.h"

#include "memory_number_renderer.h"

namespace {
// Key layout: bit 0 read-only, bit 1 coloured, bits 2-25 colour, bits 26-29 cell kind.
enum CellKind : uint64_t { kPlain = 0, kMemoryNumber = 1 };

uint64_t ColourBits(const lumo::Rgb& c) {
    return (uint64_t(c.r) << 16) | (uint64_t(c.g) << 8) | c.b;
}
}  // namespace

PageAttrProvider::PageAttrProvider(lumo::Page& page) : page_(page) {}

PageAttrProvider::~PageAttrProvider() {
    for (auto& entry : cache_)
        entry.second->DecRef();
}

uint64_t PageAttrProvider::KeyFor(int row, int col) const {
    uint64_t key = page_.grid.IsReadOnly(row, col) ? 1 : 0;
    if (auto colour = page_.grid.Background(row, col)) key |= 2 | (ColourBits(*colour) << 2);
    CellKind kind = col == lumo::MNUM ? kMemoryNumber : kPlain;
    return key | (uint64_t(kind) << 26);
}

wxGridCellAttr* PageAttrProvider::Build(uint64_t key) const {
    auto* attr = new wxGridCellAttr;
    if (key & 1) attr->SetReadOnly();
    if (key & 2) {
        uint64_t c = (key >> 2) & 0xFFFFFF;
        attr->SetBackgroundColour(wxColour((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    }
    if (((key >> 26) & 0xF) == kMemoryNumber) attr->SetRenderer(new MemoryNumberRenderer(page_));
    return attr;
}

wxGridCellAttr* PageAttrProvider::GetAttr(int row, int col, wxGridCellAttr::wxAttrKind) const {
    if (!page_.grid.IsValid(row, col)) return nullptr;
    uint64_t key = KeyFor(row, col);
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.emplace(key, Build(key)).first;
    it->second->IncRef();
    return it->second;
}
