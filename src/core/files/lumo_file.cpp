#include "files/lumo_file.h"

#include "edit/cell_traits.h"
#include "edit/shadows.h"
#include "edit/zones.h"
#include "util/atomic_file.h"
#include "util/diag_log.h"
#include "util/version.h"

#include <wx/log.h>
#include <wx/stream.h>
#include <wx/xml/xml.h>

#include <map>
#include <vector>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_OpenSave";
}

// clang-format off
const std::array<FieldElement, 31> FieldElementTable = {{
    {MFLG, "MFLG", "MF"}, {MNUM, "MNUM", "MN"}, {PRIM, "PRIM", "PR"}, {SHAD, "SHAD", "SH"},
    {BAND, "BAND", "BD"}, {SCAN, "SCAN", "SC"}, {ZONE, "ZONE", "ZN"}, {DESC, "DESC", "DS"},
    {MODE, "MODE", "MD"}, {RFRQ, "RFRQ", "RF"}, {RSQL, "RSQL", "RS"}, {RNSV, "RNSV", "RV"},
    {RTON, "RTON", "RT"}, {RCOD, "RCOD", "RC"}, {RTGP, "RTGP", "RG"}, {RNAC, "RNAC", "RN"},
    {TFRQ, "TFRQ", "TF"}, {TSQL, "TSQL", "TS"}, {TTON, "TTON", "TT"}, {TCOD, "TCOD", "TC"},
    {TTGP, "TTGP", "TG"}, {TNAC, "TNAC", "TN"}, {TIDC, "TIDC", "TI"},
    {SHD0, "SHD0", "S0"}, {SHD1, "SHD1", "S1"}, {SHD2, "SHD2", "S2"}, {SHD3, "SHD3", "S3"},
    {SHD4, "SHD4", "S4"}, {SHD5, "SHD5", "S5"}, {SHD6, "SHD6", "S6"}, {RONL, "RONL", "RY"},
}};
// clang-format on

wxString ScanTypeFamily(int pageType) {
    switch (pageType) {
        case kANFM:
        case kMODX:
        case kANAM: return "ANFM";
        case kRP25:
        case kEP25:
        case kDAMX: return "RP25";
        default: return wxString();
    }
}

bool IsFieldRead(int fileType, int column) {
    switch (column) {
        case MNUM:
        case SCAN:
        case DESC:
        case MODE:
        case RFRQ:
        case RTON:
        case RCOD:
        case TFRQ:
        case TTON:
        case TCOD: return true;
        case BAND: return fileType == kMODX;
        case RNSV: return fileType == kEP25;
        case RONL: return fileType == kDAMX;
        case TFLG: return false;
        default: return IsP25Type(fileType);
    }
}

wxString OpenFileMessage(int code, const wxString& detail) {
    wxString text = wxString::Format("Open File returned: %d", code);
    switch (code) {
        case kFileUnknownType: return text + "\nUnknown page type: \"" + detail + "\"";
        case kFileUnknownRadio: return text + "\nUnknown radio: \"" + detail + "\"";
        case kFileUnknownBand: return text + "\nUnknown band for this radio: \"" + detail + "\"";
        default: return text;
    }
}

namespace {
struct FieldValue {
    int column;
    wxString text;
};

struct RowElement {
    int row;
    std::vector<FieldValue> fields;
};

struct FileContents {
    wxString version, typeCode, radioName, bandName;
    int type = -1, radio = -1, band = -1, bandChoice = -1;
    std::vector<RowElement> rows;
};

// Element names are compared as wxStrings built once: a file has thousands of fields.
const FieldElement* FindField(const wxString& name, int fileType) {
    static const std::map<wxString, const FieldElement*> byName = [] {
        std::map<wxString, const FieldElement*> names;
        for (const FieldElement& field : FieldElementTable) {
            names[field.longName] = &field;
            names[field.shortName] = &field;
        }
        return names;
    }();
    auto it = byName.find(name);
    if (it == byName.end() || !IsFieldRead(fileType, it->second->column)) return nullptr;
    return it->second;
}

bool IsNamed(const wxXmlNode* node, const char* a, const char* b = nullptr) {
    return node && (node->GetName() == a || (b && node->GetName() == b));
}

// Reads the whole document without touching any page; 0 or the first failing code.
int ParseDocument(const wxXmlDocument& document, FileContents& out, wxString* detail) {
    const wxXmlNode* root = document.IsOk() ? document.GetRoot() : nullptr;
    if (!root) return 101;
    if (root->GetName() != "LumoMem") return 102;
    const wxXmlNode* node = root->GetChildren();
    const struct {
        const char* a;
        const char* b;
        int code;
        wxString* text;
    } header[] = {{"Version", nullptr, 103, &out.version},
                  {"Date", nullptr, 104, nullptr},
                  {"Time", nullptr, 105, nullptr},
                  {"FileType", "FType", 106, &out.typeCode},
                  {"FileRadio", "FRadio", 107, &out.radioName},
                  {"FileBand", "FBand", 108, &out.bandName}};
    for (const auto& element : header) {
        if (!IsNamed(node, element.a, element.b)) return element.code;
        if (element.text) *element.text = node->GetNodeContent();
        node = node->GetNext();
    }
    LUMO_LOG(kUnit, "File written by Lumo Version: %s", out.version);
    // The names must be the catalogue's before they are used to index it.
    out.type = FindPageTypeNumber(out.typeCode);
    out.radio = FindRadioNumber(out.radioName);
    out.band = FindBandNumber(out.bandName);
    out.bandChoice = FindBandChoice(out.radio, out.band);
    if (out.type < 0) {
        if (detail) *detail = out.typeCode;
        return kFileUnknownType;
    }
    if (out.radio < 0) {
        if (detail) *detail = out.radioName;
        return kFileUnknownRadio;
    }
    if (out.band < 0 || out.bandChoice < 0) {
        if (detail) *detail = out.bandName;
        return kFileUnknownBand;
    }
    for (; node; node = node->GetNext()) {
        if (!node->GetName().Contains("Memory") && !node->GetName().Contains("MEMORY")) return 109;
        RowElement row{0, {}};
        long index = 0;
        if (node->GetAttribute("row", "0").ToLong(&index)) row.row = static_cast<int>(index);
        for (const wxXmlNode* child = node->GetChildren(); child; child = child->GetNext()) {
            if (child->GetType() != wxXML_ELEMENT_NODE) continue;
            // An element that names no field of this file type is skipped.
            if (const FieldElement* field = FindField(child->GetName(), out.type))
                row.fields.push_back({field->column, child->GetNodeContent()});
        }
        out.rows.push_back(std::move(row));
    }
    return kFileOk;
}

void ApplyTarget(Page& page, const FileContents& file) {
    int oldRadio = page.params.radio, oldChoice = page.params.bandChoice;
    page.params.pageType = file.type;
    page.params.radio = file.radio;
    page.params.band = file.band;
    page.params.bandChoice = file.bandChoice;
    page.params.rows = RowsOf(file.radio, file.bandChoice);
    page.params.pageFlags = 0;
    page.strings.typeCode = file.typeCode;
    page.strings.radioName = file.radioName;
    page.strings.bandName = file.bandName;
    page.grid.ClearAll();
    page.grid.GetSelection().Clear();
    page.zoneCounters.fill(0);
    if (page.params.radio != oldRadio || page.params.bandChoice != oldChoice) {
        RowAdjustment change = AdjustPageRows(page, oldRadio, oldChoice);
        LUMO_LOG(kUnit, " . %s %d Rows", change.word, change.count);
    }
    // Only the default row comes from the catalogue; every other row is the file's.
    page.grid.SetRow(0, DefaultRowTexts(DefaultRowIndex(file.radio, file.band)));
}

void ApplyRow(Page& page, int fileType, const RowElement& element) {
    int row = element.row;
    bool p25 = IsP25Type(fileType);
    wxString zone;
    bool hasZone = false;
    char relation = 0;  // 'P' primary, 'S' shadow
    page.grid.Set(row, TFLG, kDefaultTflg);
    for (const FieldValue& field : element.fields) {
        switch (field.column) {
            case MFLG:
                if (ParseHexFlags(field.text) & kMflgRelationMask)
                    page.params.pageFlags |= kPageFlagRelations;
                page.grid.Set(row, MFLG, field.text);
                break;
            case SHAD:
                relation = field.text.empty() ? 0 : static_cast<char>(field.text[0].GetValue());
                page.grid.Set(row, SHAD, field.text);
                break;
            case ZONE:
                zone = field.text;
                hasZone = true;
                break;
            default: page.grid.Set(row, field.column, field.text); break;
        }
    }
    if (p25 && (relation == 'P' || relation == 'S')) {
        page.grid.Set(row, SCAN, "N");
        page.grid.SetReadOnly(row, SCAN);
    }
    if (p25 && relation == 'S') page.grid.SetReadOnly(row, ZONE);
    if (p25 && hasZone) ApplyZoneLabel(page, row, zone);
}
}  // namespace

int OpenLumoFile(const wxXmlDocument& document, Page& page, int pageNumber, wxString* detail) {
    FileContents file;
    int code = ParseDocument(document, file, detail);
    if (code != kFileOk) return code;
    LUMO_LOG(kUnit, "Lumo is P25: %s", IsP25Type(file.type) ? "true" : "false");
    LUMO_LOG(kUnit, "Lumo Band: %s", file.bandName);
    ApplyTarget(page, file);
    LUMO_LOG(kUnit, "Lumo File - Radio: %s; Type: %d; Band: %s", file.radioName, file.type,
             file.bandName);
    // A row named twice is read from its last element only, as a second record of a memory
    // replaces the first whole: applying both would count the row's zone twice.
    std::map<int, size_t> lastElement;
    for (size_t i = 0; i < file.rows.size(); ++i)
        lastElement[file.rows[i].row] = i;
    for (size_t i = 0; i < file.rows.size(); ++i) {
        const RowElement& row = file.rows[i];
        // A row outside the page's grid is skipped: nothing is written outside it.
        if (row.row < 0 || row.row > page.Rows() || lastElement[row.row] != i) continue;
        ApplyRow(page, file.type, row);
    }
    // A file written by hand or by a damaged program may name links one end does not know:
    // they are cut as an imported file's are, so every link the page keeps has both ends.
    if (page.IsP25()) UnlinkBrokenRelations(page);
    SetPageEditors(page, pageNumber);
    return kFileOk;
}

namespace {
wxXmlNode* TextElement(const wxString& name, const wxString& text) {
    auto* node = new wxXmlNode(wxXML_ELEMENT_NODE, name);
    node->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), text));
    return node;
}

wxString WrittenText(int column, const wxString& text) {
    long number = 0;
    switch (column) {
        case MNUM: return ParseDecimal(text, number) ? wxString::Format("%03ld", number) : text;
        case RTON:
        case TTON: return (text == "00" || text == "64") ? wxString("OFF") : text;
        case RCOD:
        case TCOD: return text == "000" ? wxString("OFF") : text;
        default: return text;
    }
}

// A row element with every written field that holds text, or nothing when there is none.
wxXmlNode* RowElementOf(const Page& page, int row) {
    wxXmlNode* element = nullptr;
    wxXmlNode* last = nullptr;
    for (const FieldElement& field : FieldElementTable) {
        const wxString& text = page.grid.Get(row, field.column);
        if (text.empty() || !IsMemoryColumn(page.Type(), field.column)) continue;
        if (!element) {
            element = new wxXmlNode(wxXML_ELEMENT_NODE, "MEMORY");
            element->AddAttribute("row", wxString::Format("%i", row));
        }
        wxXmlNode* child = TextElement(field.shortName, WrittenText(field.column, text));
        if (field.column == SCAN) child->AddAttribute("type", ScanTypeFamily(page.Type()));
        if (last)
            last->SetNext(child);
        else
            element->SetChildren(child);
        child->SetParent(element);
        last = child;
    }
    return element;
}
}  // namespace

void BuildLumoDocument(const Page& page, const wxDateTime& when, wxXmlDocument& document) {
    LUMO_LOG(kUnit, " > SaveLumoFile in Grid of %d rows.", page.Rows());
    auto* root = new wxXmlNode(wxXML_ELEMENT_NODE, "LumoMem");
    std::vector<wxXmlNode*> children = {
        TextElement("Version", FileFormatVersionText()),
        TextElement("Date", when.Format("%d-%b-%Y")),
        TextElement("Time", when.Format("%X")),
        TextElement("FType", PageTypeCodes[page.Type()]),
        TextElement("FRadio", page.strings.radioName),
        TextElement("FBand", page.strings.bandName),
    };
    for (int row = 0; row <= page.Rows(); ++row)
        if (wxXmlNode* element = RowElementOf(page, row)) children.push_back(element);
    for (size_t i = 0; i < children.size(); ++i) {
        children[i]->SetParent(root);
        if (i + 1 < children.size()) children[i]->SetNext(children[i + 1]);
    }
    root->SetChildren(children.front());
    document.SetRoot(root);
    document.SetVersion("1.0");
    document.SetFileEncoding("UTF-8");
}

bool SaveLumoFile(const Page& page, const wxString& path, wxString* error) {
    wxXmlDocument document;
    BuildLumoDocument(page, wxDateTime::Now(), document);
    AtomicFile file(path);
    bool written = file.IsOk();
    if (written) {
        // The XML writer writes node by node; a buffer turns that into a few large writes.
        wxBufferedOutputStream buffered(file, 64 * 1024);
        written = document.Save(buffered, 2) && buffered.Close();
    }
    if (!(written && file.Commit())) {
        if (error) *error = wxString::Format("Could not save the file\n%s", path);
        return false;
    }
    return true;
}

int OpenLumoFileAt(const wxString& path, Page& page, int pageNumber, wxString* message) {
    wxXmlDocument document;
    {
        wxLogNull quiet;  // the parser's own complaints are replaced by ours
        if (!document.Load(path, "UTF-8")) {
            if (message) *message = "Not valid XML Document";
            return -1;
        }
    }
    wxString detail;
    int code = OpenLumoFile(document, page, pageNumber, &detail);
    if (code != kFileOk && message) *message = OpenFileMessage(code, detail);
    return code;
}

}  // namespace lumo
