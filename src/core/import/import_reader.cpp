#include "import/import_reader.h"

#include "util/diag_log.h"

#include <wx/arrstr.h>
#include <wx/ffile.h>
#include <wx/log.h>
#include <wx/strconv.h>

#include <algorithm>

namespace lumo {

namespace {
constexpr const char* kUnit = "LumoFile_ImportExport";
constexpr const char kBinaryTag[] = "LUM21   ";
constexpr const char kRadioTag[] = "VRD21   ";
constexpr size_t kBinaryHeaderSize = 32;

bool ReadWholeFile(const wxString& path, std::string& out) {
    out.clear();
    wxLogNull quiet;  // a file that cannot be opened is reported by the caller
    wxFFile file(path, "rb");
    if (!file.IsOpened()) return false;
    wxFileOffset length = file.Length();
    if (length < 0 || static_cast<size_t>(length) > kMaxImportFileSize) return false;
    out.resize(static_cast<size_t>(length));
    return length == 0 || file.Read(&out[0], out.size()) == out.size();
}

bool HeaderMatches(const std::string& h) {
    return h.compare(0, 8, kBinaryTag) == 0 && h.compare(8, 2, "2 ") == 0 && h[15] == 0x01 &&
           h[16] == 0x01 && h.compare(17, 8, kRadioTag) == 0;
}

bool IsPolyLumLine(const wxString& line, const char* number) {
    return line.StartsWith(number) && line.Mid(33, 10) == "TX CTCSS: ";
}

// The header line Lumo's CSV export writes: column names, each followed by a comma. A short
// export (one or two rows, or the two columns of a VR-19 page) is known by it.
bool IsCsvHeaderLine(const wxString& line) {
    bool named = false;
    for (const wxString& field : wxSplit(line, ',', '\0')) {
        wxString name = wxString(field).Strip(wxString::both).Upper();
        if (name.empty()) continue;
        if (CsvColumnOfName(name) < 0) return false;
        named = true;
    }
    return named;
}

bool IsCsvLine(const wxString& line) {
    return !line.empty() && std::count(line.begin(), line.end(), ',') >= 5;
}
}  // namespace

wxString DecodeText(const std::string& bytes) {
    std::string body = bytes;
    if (body.compare(0, 3, "\xEF\xBB\xBF") == 0) body.erase(0, 3);
    wxString text = wxString::FromUTF8(body.data(), body.size());
    if (!text.empty() || body.empty()) return text;
    wxString latin;
    latin.reserve(body.size());
    for (char c : body)
        latin += wxUniChar(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return latin;
}

wxString BytesText(const std::string& bytes) {
    wxString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        if (c == '\0') break;
        text += wxUniChar(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return text;
}

wxString FieldAt(const wxString& line, size_t pos, size_t len) {
    if (pos >= line.length()) return wxString();
    return line.Mid(pos, len).Strip(wxString::both);
}

bool ImportReader::Open(const wxString& path) {
    position = 0;
    lineCounter = 0;
    return ReadWholeFile(path, bytes);
}

bool ImportReader::OpenText(const wxString& path) {
    textLines.clear();
    nextTextLine = 0;
    std::string raw;
    if (!ReadWholeFile(path, raw)) return false;
    wxString text = DecodeText(raw);
    wxString line;
    for (size_t i = 0; i < text.length(); ++i) {
        wxUniChar c = text[i];
        if (c == '\n' || c == '\r') {
            textLines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.length() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) textLines.push_back(line);
    return true;
}

bool ImportReader::ReadBytes(size_t count, std::string& out) {
    if (bytes.size() - std::min(position, bytes.size()) < count) return false;
    out.assign(bytes, position, count);
    position += count;
    return true;
}

bool ImportReader::ReadWord(unsigned& word) {
    std::string two;
    if (!ReadBytes(2, two)) return false;
    word = static_cast<unsigned char>(two[0]) | (static_cast<unsigned char>(two[1]) << 8);
    return true;
}

bool ImportReader::ReadLine(wxString& line) {
    line.clear();
    if (AtEnd()) return false;
    std::string raw;
    while (position < bytes.size()) {
        char c = bytes[position++];
        if (c == '\n') break;
        if (c == '\r') {
            if (position < bytes.size() && bytes[position] == '\n') ++position;
            break;
        }
        if (raw.size() < kImportLineLength) raw += c;
    }
    for (char c : raw)  // NULs in a text line read as blanks, so positions stay in place
        line += wxUniChar(c == '\0' ? L' ' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return true;
}

bool ImportReader::ReadTextLine(wxString& line) {
    if (nextTextLine >= textLines.size()) return false;
    line = textLines[nextTextLine++];
    return true;
}

int DetectImportType(ImportReader& reader, const wxString& path) {
    if (!reader.Open(path)) return kImportUnknown;
    std::string header;
    if (reader.ReadBytes(kBinaryHeaderSize, header) && HeaderMatches(header))
        return kImport21Binary;
    reader.Rewind();
    wxString lines[4];
    for (wxString& line : lines)
        reader.ReadLine(line);
    reader.Rewind();
    int type = kImportUnknown;
    if (IsPolyLumLine(lines[0], "001") && IsPolyLumLine(lines[1], "002"))
        type = kImportPolyLum;
    else if (lines[0].Mid(5, 17) == "Basic Information" &&
             lines[0].Mid(32, 14) == "Rx Information" && lines[1].Mid(3, 14) == "Ch# Scan  Desc")
        type = kImport21Text;
    else if (lines[0].StartsWith("VRA-50"))
        type = kImportDamx;
    else if (std::all_of(std::begin(lines), std::end(lines), IsCsvLine) ||
             IsCsvHeaderLine(lines[0]))
        type = kImportCsv;
    LUMO_LOG(kUnit, " . Detect Import Type: %d", type);
    return type;
}

}  // namespace lumo
