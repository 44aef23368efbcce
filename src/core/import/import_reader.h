// The reader every import works through: the file, read once into memory, with a byte cursor
// for the binary and line readers and the look-ahead state of the CSV tokenizer.
#pragma once

#include "model/csv_columns.h"

#include <wx/string.h>

#include <array>
#include <string>
#include <vector>

namespace lumo {

enum ImportType {
    kImportUnknown = 0,
    kImport21Binary = 1,
    kImport21Text = 2,
    kImportPolyLum = 3,
    kImportCsv = 4,
    kImportDamx = 5,
};

// Longer files are no channel lists; they are refused before being read.
constexpr size_t kMaxImportFileSize = 16 * 1024 * 1024;
// Line readers keep at most this many characters of a line.
constexpr size_t kImportLineLength = 100;

struct ImportReader {
    std::string bytes;  // the whole file
    size_t position = 0;
    std::vector<wxString> textLines;  // the file as text lines (PolyLum), encoding detected
    size_t nextTextLine = 0;
    int lineCounter = 0;

    // CSV state: look-ahead characters (-1 at the end of the file), the VRA-50 mode, the header.
    int current = -1;
    int next = -1;
    bool damxMode = false;
    int headerFieldCount = 0;
    std::vector<wxString> fields;
    std::array<int, kCsvColumnCount> CsvColumnMap{};

    // Reads the file; false when it cannot be read or is too long to be a channel list.
    bool Open(const wxString& path);
    // Reads the file again as lines of text (UTF-8 with or without a mark, or ISO-8859-1).
    bool OpenText(const wxString& path);
    bool AtEnd() const { return position >= bytes.size(); }
    void Rewind() { position = 0; }
    // Takes exactly `count` bytes; false (nothing taken) when fewer are left.
    bool ReadBytes(size_t count, std::string& out);
    // A 16-bit little-endian word; false at the end of the file.
    bool ReadWord(unsigned& word);
    // The next line without its end (CR, LF or both), cut to the line length; false at the end.
    bool ReadLine(wxString& line);
    // The next text line (after OpenText); false at the end.
    bool ReadTextLine(wxString& line);
};

// Opens the file into the reader and says what it holds; a binary list is left positioned
// after its header, every other type at the start.
int DetectImportType(ImportReader& reader, const wxString& path);

// Text helpers shared by the importers.
// A file's bytes as text: UTF-8 when they are valid UTF-8 (a leading mark dropped), else
// ISO-8859-1, which every byte sequence is.
wxString DecodeText(const std::string& bytes);
// Bytes as ISO-8859-1 text, ending at the first NUL.
wxString BytesText(const std::string& bytes);
// Characters pos..pos+len-1 of a line, trimmed; positions beyond its end read as nothing.
wxString FieldAt(const wxString& line, size_t pos, size_t len);

}  // namespace lumo
