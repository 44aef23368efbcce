// The Open, Save and Save As commands as the user meets them: questions, file dialogs,
// messages, and the page's file name. The frame adds only the redrawing.
#pragma once

#include "pages/page_table.h"
#include "util/dialogs.h"

namespace lumo {

// Returns true when the page now holds the chosen file, whose path goes to `opened`. The file
// dialog starts in the page's folder, else page 1's, else `lastFolder`.
bool OpenFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber, wxString* opened = nullptr,
                     const wxString& lastFolder = wxString());
// Open with the file already chosen (File > Recent files): the same question and messages.
bool OpenChosenFileCommand(Dialogs& dialogs, PageTable& pages, int pageNumber,
                           const wxString& path);
// Open's work after its question and file dialog: reads the file at `path` into the page and
// takes its name. False, with the message to show, when the page is left as it was.
bool OpenFileInto(PageTable& pages, int pageNumber, const wxString& path, wxString* message);
// Returns true when the page was written; a failed write is reported and the page keeps its
// previous file name. The save dialog starts in the page's folder, else `lastFolder`.
bool SaveFileCommand(Dialogs& dialogs, Page& page, bool saveAs,
                     const wxString& lastFolder = wxString());
// The data file a page was last opened from or saved to ("" while it has no name).
wxString DataFilePath(const Page& page);
// Compare with file: marks the cells of the page that differ from a chosen data file (the
// mark colour) and says how many memories differ. Returns that number, -1 when nothing was
// compared.
int CompareFileCommand(Dialogs& dialogs, Page& page, int pageNumber);
// Open the last backup: the newest backup of the page's radio in the folder, or empty after
// a message saying there is none.
wxString LastBackupCommand(Dialogs& dialogs, const Page& page, const wxString& folder);
// Before the program closes: for each page with unsaved changes asks whether to save them.
// Returns false when the program must stay open (Cancel, or a save that did not happen).
bool ConfirmUnsavedPages(Dialogs& dialogs, PageTable& pages);

}  // namespace lumo
