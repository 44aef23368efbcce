// Computes each cell's attributes (read-only, colour, alignment, renderer) from the page's
// state. Attributes are shared among all cells that look alike; no cell owns one.
#pragma once

#include "pages/page.h"

#include <wx/grid.h>

#include <cstdint>
#include <map>

class PageAttrProvider : public wxGridCellAttrProvider {
  public:
    explicit PageAttrProvider(lumo::Page& page);
    ~PageAttrProvider() override;

    wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind) const override;

    // How many distinct attributes have been built (they are cached for the page's life).
    size_t CachedAttrCount() const { return cache_.size(); }

  private:
    uint64_t KeyFor(int row, int col) const;
    wxGridCellAttr* Build(uint64_t key) const;

    lumo::Page& page_;
    mutable std::map<uint64_t, wxGridCellAttr*> cache_;
};
