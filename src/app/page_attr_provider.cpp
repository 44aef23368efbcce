#include "page_attr_provider.h"

#include "cell_renderers.h"

using namespace lumo;

namespace {
uint32_t ColourKey(std::optional<Rgb> colour) {
    if (!colour) return 0;
    return (1u << 24) | (uint32_t(colour->r) << 16) | (uint32_t(colour->g) << 8) | colour->b;
}

wxArrayString ToArray(const std::vector<wxString>& list) {
    wxArrayString array;
    for (const wxString& text : list)
        array.Add(text);
    return array;
}
}  // namespace

PageAttrProvider::PageAttrProvider(const EditorContext& context) : context_(context) {}

PageAttrProvider::~PageAttrProvider() {
    for (auto& entry : cache_)
        entry.second->DecRef();
}

wxGridCellEditor* PageAttrProvider::MakeEditor(const CellTraits& traits) const {
    switch (traits.editor) {
        case EditorKind::Text: return new wxGridCellTextEditor(traits.maxChars);
        case EditorKind::Frequency: return new FrequencyEditor(context_, traits.band, traits.step);
        case EditorKind::HexField:
            return new DigitalSquelchEditor(context_, traits.maxChars, 0,
                                            traits.maxChars == 3 ? 4095 : 65535);
        case EditorKind::Description:
            return new LumoDescriptionEditor(context_, traits.maxChars, traits.descriptionSet);
        case EditorKind::MemoryNumber:
            return new LumoMemoryNumberEditor(context_, static_cast<int>(traits.minValue),
                                              static_cast<int>(traits.maxValue));
        case EditorKind::Choice:
            return new LumoChoiceEditor(context_, ToArray(ChoicesOf(traits.choices)));
        case EditorKind::ModxBand:
            return new MODXBandChoiceEditor(context_, ToArray(ChoicesOf(traits.choices)));
        case EditorKind::Zone: return new P25ZoneEditor(context_);
        case EditorKind::Scan: return new ScanlistEditor(context_);
        case EditorKind::Number:
            return new wxGridCellNumberEditor(static_cast<int>(traits.minValue),
                                              static_cast<int>(traits.maxValue));
    }
    return nullptr;
}

wxGridCellRenderer* PageAttrProvider::MakeRenderer(const CellTraits& traits) const {
    if (traits.notApplicable) return new NotApplicableRenderer(*context_.page);
    switch (traits.renderer) {
        case RendererKind::MemoryNumber: return new MemoryNumberRenderer(*context_.page);
        case RendererKind::Scan: return new ScanlistRenderer(*context_.page);
        case RendererKind::UnitId: return new IDCNumberRenderer(*context_.page);
        case RendererKind::Plain: break;
    }
    return nullptr;
}

wxGridCellAttr* PageAttrProvider::Build(const CellTraits& traits, std::optional<Rgb> colour) const {
    auto* attr = new wxGridCellAttr;
    if (traits.readOnly) attr->SetReadOnly();
    if (colour) attr->SetBackgroundColour(wxColour(colour->r, colour->g, colour->b));
    if (traits.centred) attr->SetAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    attr->SetEditor(MakeEditor(traits));
    if (wxGridCellRenderer* renderer = MakeRenderer(traits)) attr->SetRenderer(renderer);
    return attr;
}

wxGridCellAttr* PageAttrProvider::GetAttr(int row, int col, wxGridCellAttr::wxAttrKind) const {
    const Page& page = *context_.page;
    if (!page.grid.IsValid(row, col)) return nullptr;
    CellTraits traits = EditorFor(page, row, col);
    std::optional<Rgb> colour = page.grid.Background(row, col);
    auto key = std::make_pair(traits.Key(), ColourKey(colour));
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.emplace(key, Build(traits, colour)).first;
    it->second->IncRef();
    return it->second;
}
