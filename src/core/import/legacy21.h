// The two files of the older VRD-21 programmer: its binary memory file ("*.21") and its printed
// memory list ("*.txt"). Both fill a Legacy21Record, which is then written into a grid row.
#pragma once

#include "import/import_reader.h"
#include "pages/page.h"
#include "util/dialogs.h"

namespace lumo {

struct Legacy21Record {
    wxString Mflg, Mnum, Prim, Scan, Zone, Desc, Encr, Mode, Rsql, Rtgp, Rton, Rcod, Rnac, Rfrq,
        Tsql, Ttgp, Tton, Tcod, Tnac, Tfrq, Tidc;
    wxString Shd[7];
    wxString Rfrn, Tflg;
    bool lockScan = false;  // a list line of a shadow, primary or guard memory
    bool guardKey = false;  // a list line keyed "GD1" or "GD2", numbered as the page's guard row
};

constexpr size_t k21RecordSize = 106;

// One binary record; false at the end of the file (a last record shorter than a whole record
// is not read).
// The page decides how code indexes read (P25 pages count their codes from "023").
bool Read21Record(ImportReader& reader, Legacy21Record& record, const Page& page);
// One list line. False at the end of the file; a line that holds no memory leaves Mnum empty.
bool Parse21TextLine(ImportReader& reader, Legacy21Record& record, int gridRows);
// Empties the record into a row: the row's old contents and zone go first.
void Write21RecordToGrid(Page& page, Dialogs& dialogs, int row, const Legacy21Record& record);

// The importers return the number of memories imported (0: nothing usable).
int Import21_Binary(ImportReader& reader, Page& page, Dialogs& dialogs);
int Import21_Text(ImportReader& reader, Page& page, Dialogs& dialogs);

// The binary Tidc field: eight BCD digits in four words, most significant first; "%07d".
wxString UnitIdFromWords(const unsigned (&words)[4]);

}  // namespace lumo
