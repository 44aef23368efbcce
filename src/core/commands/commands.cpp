#include "commands/commands.h"

#include <wx/platinfo.h>
#include <wx/version.h>

namespace lumo {

const std::array<const char*, 6> MenuTitles = {"File", "Edit", "Page", "Data", "Settings", "Help"};

const std::array<MenuItemSpec, 33> MenuItems = {{
    {"File", "&Open", "Open a memory data file", ID_OPEN},
    {"File", "&Recent files", "Open a data file opened or saved lately", ID_RECENT_FILES},
    {"File", "&Save", "Save memory data file", ID_SAVE},
    {"File", "save &As...", "Save file to new name", ID_SAVE_AS},
    {"File", "&Import...", "Import legacy data file", ID_IMPORT},
    {"File", "&Export...", "Export data file to csv", ID_EXPORT},
    {"File", "&Print...", "Print the current tab", ID_PRINT},
    {"File", "print pre&view", "Print Preview", ID_PRINT_PREVIEW},
    {"File", "page set&up...", "Print Page Setup", ID_PAGE_SETUP},
    {"File", "&Quit", "Quit the application", ID_QUIT},
    {"Edit", "&Undo\tCtrl+Z", "Undo the last change of this page", ID_UNDO},
    {"Edit", "&Redo\tCtrl+Y", "Redo the change undone last", ID_REDO},
    {"Edit", "Cu&t\tCtrl+X", "Copy the selected cells to the clipboard and clear them", ID_CUT},
    {"Edit", "&Copy\tCtrl+C", "Copy the selected cells to the clipboard", ID_COPY},
    {"Edit", "&Paste\tCtrl+V", "Paste the clipboard's cells at the cursor", ID_PASTE},
    {"Edit", "Select a&ll\tCtrl+A", "Select every cell of the page", ID_SELECT_ALL_CELLS},
    {"Page", "&Add page", "Add page", ID_PAGE_ADD},
    {"Page", "&Delete page", "Delete page", ID_PAGE_DELETE},
    {"Data", "&Send to radio", "Write data to radio", ID_UPLOAD},
    {"Data", "Send to several &radios...", "Write the page to several radios at once",
     ID_SEND_TO_SEVERAL},
    {"Data", "&Get from radio", "Read data from radio", ID_DOWNLOAD},
    {"Data", "&Validate page data", "Validate rows with data", ID_VALIDATE},
    {"Data", "select &All", "Select all for transfer", ID_SELECT_ALL},
    {"Data", "d&E-Select all", "Clear all for transfer", ID_DESELECT_ALL},
    {"Data", "&Clear Highlights", "Clear cell highlight", ID_CLEAR_HIGHLIGHT},
    // The safety net of writes to a radio.
    {"Data", "&Open the last backup", "Open the newest backup of this page's radio on a new page",
     ID_OPEN_LAST_BACKUP},
    {"Data", "Compare with &file...", "Mark the cells that differ from a data file",
     ID_COMPARE_WITH_FILE},
    {"Settings", "Back &up the radio before writing",
     "Read the radio into a backup file before each write", ID_BACKUP_BEFORE_WRITING},
    {"Settings", "&Verify after writing", "Read the radio back after each write and compare",
     ID_VERIFY_AFTER_WRITING},
    {"Settings", "set &Port", "Set com port", ID_SET_PORT},
    {"Settings", "set &Target", "Set target radio", ID_SET_TARGET},
    {"Help", "&Help file", "Help on Lumo", ID_HELP},
    {"Help", "&About", "Information About Lumo", ID_ABOUT},
}};

const std::array<int, 2> CheckMenuItems = {ID_BACKUP_BEFORE_WRITING, ID_VERIFY_AFTER_WRITING};

const std::array<ToolSpec, 11> Tools = {{
    {"Open", "Open file", "Open radio data file", "icons/btn-open-32.png", ID_OPEN, 0},
    {"Save", "Save file", "Save radio data file", "icons/btn-save-32.png", ID_SAVE, 0},
    {"tool", "Print file", "Print radio data file", "icons/btn-print-32.png", ID_PRINT, 1},
    {"download", "Get from radio", "Get data from Radio", "icons/btn-get-32_e.png", ID_DOWNLOAD, 0},
    {"upload", "Send to radio", "Send data to Radio", "icons/btn-send-32_e.png", ID_UPLOAD, 0},
    {"tool", "Select", "Select all channels", "icons/btn-select-all-32.png", ID_SELECT_ALL, 0},
    {"tool", "De-Select", "De-select all channels", "icons/btn-clear-all-32.png", ID_DESELECT_ALL,
     1},
    {"tool", "Com Port", "Set COM port", "icons/btn-connection-32.png", ID_SET_PORT, 0},
    {"tool", "Target", "Select target Radio", "icons/btn-target-7-32.png", ID_SET_TARGET, 1},
    {"Quit", "Quit", "Quit the application", "icons/btn-exit-32.png", ID_QUIT, 2},
    {"tool", "Help", "Open help file", "icons/btn-help-32.png", ID_HELP, 0},
}};

const std::array<ShortcutSpec, 8> Shortcuts = {{
    {ID_OPEN, "Ctrl+O"},
    {ID_SAVE, "Ctrl+S"},
    {ID_SAVE_AS, "Ctrl+Shift+S"},
    {ID_PRINT, "Ctrl+P"},
    {ID_QUIT, "Ctrl+Q"},
    {ID_PAGE_ADD, "Ctrl+N"},
    {ID_PAGE_DELETE, "Ctrl+W"},
    {ID_HELP, "F1"},
}};

wxString MenuLabelWithKeys(const MenuItemSpec& item) {
    for (const ShortcutSpec& shortcut : Shortcuts)
        if (shortcut.id == item.id) return wxString(item.label) + "\t" + shortcut.keys;
    return item.label;
}

const std::array<ContextItemSpec, 15> ContextItems = {{
    {"de&Fault row", "Set row to default values", ID_DEFAULT_ROW},
    {"create &Shadow", "Create Shadow of this Primary", ID_CREATE_SHADOW},
    {"&Copy row", "Copy row contents to clipboard", ID_COPY_ROW},
    {"&Paste row", "Paste clipboard contents to row", ID_PASTE_ROW},
    {"c&Lear row", "Clear row of all data", ID_CLEAR_ROW},
    {"&Insert row", "Insert row above selected row", ID_INSERT_ROW},
    {"&Delete row", "Delete row", ID_DELETE_ROW},
    {"&Mark row", "Mark selected rows roe Column edit", ID_MARK_ROW},
    {"&Default col", "Set column to default values", ID_DEFAULT_COL},
    {"default &Marked", "Set column in marked rows to default values", ID_DEFAULT_MARKED},
    {"set to &Row Num", "Re-number as row num", ID_RENUMBER_TO_ROW},
    {"set in &Sequence", "Re-number in sequence", ID_RENUMBER_SEQUENCE},
    {"&Default file", "Set all file to default values", ID_DEFAULT_FILE},
    {"&Save defaults", "Save default data to file", ID_SAVE_DEFAULT},
    {"&Load defaults", "Load default data from file", ID_LOAD_DEFAULT},
}};

namespace {
const char* LabelOf(int id) {
    for (const MenuItemSpec& item : MenuItems)
        if (item.id == id) return item.label;
    for (const ContextItemSpec& item : ContextItems)
        if (item.id == id) return item.label;
    return "";
}
}  // namespace

wxString CommandName(int id) {
    wxString name = wxString(LabelOf(id)).BeforeFirst('\t');
    name.Replace("&", "");
    if (name.EndsWith("...")) name.RemoveLast(3);
    return name;
}

wxString HistoryItemLabel(int id, const wxString& stepName) {
    wxString label = LabelOf(id);
    if (stepName.empty()) return label;
    return label.BeforeFirst('\t') + " " + stepName + "\t" + label.AfterFirst('\t');
}

ClickArea ClassifyClick(int x, int y) {
    if (x > 0 && y > 0) return ClickArea::Cells;
    if (x < 0 && y > 0) return ClickArea::RowLabel;
    if (x > 0 && y < 0) return ClickArea::ColumnLabel;
    return ClickArea::Corner;  // both negative, or on a zero coordinate
}

namespace {
std::vector<int> RowLabelItems(const ContextMenuQuery& q) {
    if (q.row == 0) return {ID_LOAD_DEFAULT, ID_SAVE_DEFAULT};
    std::vector<int> items = {ID_DEFAULT_ROW};
    if (q.p25Page && !q.guardRow && q.rowUsed && !q.shadowRow) items.push_back(ID_CREATE_SHADOW);
    if (q.rowUsed) items.push_back(ID_COPY_ROW);
    items.push_back(ID_PASTE_ROW);
    if (q.rowUsed) {
        items.push_back(ID_CLEAR_ROW);
        items.push_back(ID_MARK_ROW);
    }
    if (!q.guardRow) {
        items.push_back(ID_INSERT_ROW);
        items.push_back(ID_DELETE_ROW);
    }
    return items;
}

std::vector<int> ColumnLabelItems(const ContextMenuQuery& q) {
    if (q.column == 1) return {ID_RENUMBER_TO_ROW, ID_RENUMBER_SEQUENCE};
    if (q.column == 2) return {};
    std::vector<int> items = {ID_DEFAULT_COL};
    if (q.rowsMarked) items.push_back(ID_DEFAULT_MARKED);
    return items;
}
}  // namespace

std::vector<int> ContextMenuItemsFor(const ContextMenuQuery& query) {
    switch (query.area) {
        case ClickArea::RowLabel: return RowLabelItems(query);
        case ClickArea::ColumnLabel: return ColumnLabelItems(query);
        case ClickArea::Corner: return {ID_DEFAULT_FILE};
        case ClickArea::Cells: return {};
    }
    return {};
}

void SelectForRowMenu(Selection& selection, int row) {
    if (selection.IsRowSelected(row)) return;
    selection.Clear();
    selection.AddRow(row);
}

const char* const ReleaseDateText = "26 MAY 2026 \n\n";
const char* const AboutDescription = "Channel loading software for Norv Radios. \n";

wxString ToolkitVersionText() {
    const wxPlatformInfo& platform = wxPlatformInfo::Get();
    return wxString(wxVERSION_STRING) + "-" + platform.GetPortIdName() + "-Unicode build";
}

}  // namespace lumo
