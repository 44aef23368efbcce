// Lumo's own data file: one page as an XML document (root "LumoMem", extension ".lumo").
// A file is read whole and checked before the page is touched, so a file that cannot be used
// leaves the page as it was.
#pragma once

#include "pages/page.h"

#include <wx/datetime.h>
#include <wx/string.h>

class wxXmlDocument;

namespace lumo {

// Results of reading: 0, the structural codes 101 to 109, and the catalogue codes below.
constexpr int kFileOk = 0;
constexpr int kFileUnknownType = 110;
constexpr int kFileUnknownRadio = 111;
constexpr int kFileUnknownBand = 112;

// One field element of a row: the column, its long and short element names, when it is written
// and when it is read.
struct FieldElement {
    int column;
    const char* longName;
    const char* shortName;
};
extern const std::array<FieldElement, 31> FieldElementTable;

// The SC element's "type" attribute for a page type. A row element holds the row's memory
// columns (IsMemoryColumn).
wxString ScanTypeFamily(int pageType);
bool IsFieldRead(int fileType, int column);

// What the message box says for a reading code ("Open File returned: 106", with the reason on
// a second line for the catalogue codes).
wxString OpenFileMessage(int code, const wxString& detail = wxString());

// Reads a loaded document into a page. On any code but 0 the page is untouched; `detail`
// names the unknown catalogue entry.
int OpenLumoFile(const wxXmlDocument& document, Page& page, int pageNumber,
                 wxString* detail = nullptr);
// Builds the document of a page, dated `when`.
void BuildLumoDocument(const Page& page, const wxDateTime& when, wxXmlDocument& document);
// Writes a page to a path: into a temporary file beside it, renamed over the target only when
// the write succeeded. Returns false, with a message, when the page could not be saved.
bool SaveLumoFile(const Page& page, const wxString& path, wxString* error = nullptr);
// Loads and reads a file in one step (as the Open command does after its dialogs). Returns
// the reading code, or -1 with "Not valid XML Document" when the file is not XML.
int OpenLumoFileAt(const wxString& path, Page& page, int pageNumber, wxString* message);

}  // namespace lumo
