// The command table of the main window as data: menu items, tools and context-menu items with
// their labels, help texts and identifiers, and the rule that picks the context-menu items.
#pragma once

#include "model/cell_store.h"

#include <wx/string.h>

#include <array>
#include <vector>

namespace lumo {

enum CommandId {
    ID_OPEN = 5999,
    ID_SAVE = 6000,
    ID_SAVE_AS = 6001,
    ID_IMPORT = 6002,
    ID_EXPORT = 6003,
    ID_PRINT = 6004,
    ID_PRINT_PREVIEW = 6005,
    ID_PAGE_SETUP = 6006,
    ID_PAGE_ADD = 6007,
    ID_PAGE_DELETE = 6008,
    ID_UPLOAD = 6011,
    ID_DOWNLOAD = 6012,
    ID_VALIDATE = 6013,
    ID_SELECT_ALL = 6014,
    ID_DESELECT_ALL = 6015,
    ID_CLEAR_HIGHLIGHT = 6016,
    ID_SET_PORT = 6018,
    ID_SET_TARGET = 6019,
    ID_HELP = 6020,
    ID_ABOUT = 6021,
    ID_QUIT = 6022,
    ID_DEFAULT_ROW = 6024,
    ID_CREATE_SHADOW = 6025,
    ID_COPY_ROW = 6026,
    ID_PASTE_ROW = 6027,
    ID_CLEAR_ROW = 6028,
    ID_INSERT_ROW = 6029,
    ID_DELETE_ROW = 6030,
    ID_MARK_ROW = 6031,
    ID_DEFAULT_COL = 6032,
    ID_DEFAULT_MARKED = 6033,
    ID_RENUMBER_TO_ROW = 6034,
    ID_RENUMBER_SEQUENCE = 6035,
    ID_DEFAULT_FILE = 6036,
    ID_SAVE_DEFAULT = 6037,
    ID_LOAD_DEFAULT = 6038,
    // The safety net of writes to a radio: settings, the last backup, comparing with a file.
    ID_BACKUP_BEFORE_WRITING = 6100,
    ID_VERIFY_AFTER_WRITING = 6101,
    ID_OPEN_LAST_BACKUP = 6102,
    ID_COMPARE_WITH_FILE = 6103,
    ID_SEND_TO_SEVERAL = 6104,  // one page to many radios at once
    // The Edit menu: the page's history and the clipboard.
    ID_UNDO = 6200,
    ID_REDO = 6201,
    ID_CUT = 6202,
    ID_COPY = 6203,
    ID_PASTE = 6204,
    ID_SELECT_ALL_CELLS = 6205,
    // File > Recent files: a submenu of the last nine data files (wxID_FILE1 to wxID_FILE9).
    ID_RECENT_FILES = 6110,
};

struct MenuItemSpec {
    const char* menu;
    const char* label;
    const char* help;
    int id;
};

struct ToolSpec {
    const char* label;
    const char* shortHelp;
    const char* longHelp;
    const char* bitmap;  // relative to the resource directory
    int id;
    int separatorsAfter;
};

struct ContextItemSpec {
    const char* label;
    const char* help;
    int id;
};

extern const std::array<const char*, 6> MenuTitles;
extern const std::array<MenuItemSpec, 33> MenuItems;
// The menu items that are check boxes (settings).
extern const std::array<int, 2> CheckMenuItems;
extern const std::array<ToolSpec, 11> Tools;

// The keys of the menu commands that have one, in the toolkit's accelerator notation. The menus'
// own titles are reached with Alt and their first letter.
struct ShortcutSpec {
    int id;
    const char* keys;
};
extern const std::array<ShortcutSpec, 8> Shortcuts;
// A menu item's label with its key, as the menu shows it ("&Open\tCtrl+O").
wxString MenuLabelWithKeys(const MenuItemSpec& item);
extern const std::array<ContextItemSpec, 15> ContextItems;

// What a command is called in the undo history: its menu text without the mnemonic, the
// shortcut and a trailing ellipsis ("Paste row"); empty for an unknown identifier.
wxString CommandName(int id);
// The Undo and Redo items' label for a step of that name ("&Undo Paste row\tCtrl+Z"); with no
// name, the item's own label.
wxString HistoryItemLabel(int id, const wxString& stepName);

// Where a right click landed, in the grid's cell-window coordinates.
enum class ClickArea { Corner, RowLabel, ColumnLabel, Cells };
ClickArea ClassifyClick(int x, int y);

// What the context-menu rule needs to know about the page and the clicked row.
struct ContextMenuQuery {
    ClickArea area = ClickArea::Cells;
    int row = 0;
    int column = 0;
    bool p25Page = false;
    bool guardRow = false;
    bool rowUsed = false;
    bool shadowRow = false;   // MFLG slot bits set
    bool rowsMarked = false;  // page flag 0x10
};

// The context-menu items offered, in menu order; empty when no menu is shown.
std::vector<int> ContextMenuItemsFor(const ContextMenuQuery& query);
// The selection a right click on a row's label leaves: a row that is not selected becomes the
// only selected row; a selected row keeps the selection, so the menu's commands still act on
// every row the user chose.
void SelectForRowMenu(Selection& selection, int row);

// The About texts besides the version (util/version.h).
extern const char* const ReleaseDateText;
extern const char* const AboutDescription;
wxString ToolkitVersionText();  // the toolkit's real version, port and build

}  // namespace lumo
