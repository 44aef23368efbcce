// Computes each cell's attributes (editor, renderer, alignment, read-only, colour) from the
// page's state. Cells that look alike share one attribute; no cell owns one.
#pragma once

#include "cell_editors.h"
#include "edit/cell_traits.h"

#include <wx/grid.h>

#include <cstdint>
#include <map>
#include <utility>

class PageAttrProvider : public wxGridCellAttrProvider {
  public:
    explicit PageAttrProvider(const EditorContext& context);
    ~PageAttrProvider() override;

    wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind) const override;

    // How many distinct attributes have been built (they are kept for the page's life).
    size_t CachedAttrCount() const { return cache_.size(); }

  private:
    wxGridCellAttr* Build(const lumo::CellTraits& traits, std::optional<lumo::Rgb> colour) const;
    wxGridCellEditor* MakeEditor(const lumo::CellTraits& traits) const;
    wxGridCellRenderer* MakeRenderer(const lumo::CellTraits& traits) const;

    EditorContext context_;
    // Keyed by the editor traits and the colour (with a bit for "has colour").
    mutable std::map<std::pair<lumo::CellTraits::KeyType, uint32_t>, wxGridCellAttr*> cache_;
};
