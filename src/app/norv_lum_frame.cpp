#include "norv_lum_frame.h"

#include "commands/commands.h"
#include "edit/cell_traits.h"
#include "edit/row_values.h"
#include "edit/zones.h"
#include "model/catalogue.h"
#include "page_view.h"
#include "util/diag_log.h"
#include "util/resources.h"
#include "wx_dialogs.h"

#include <wx/accel.h>
#include <wx/grid.h>
#include <wx/iconbndl.h>
#include <wx/log.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/stdpaths.h>
#include <wx/toolbar.h>

using namespace lumo;

namespace {
constexpr const char* kUnit = "LumoMain";
constexpr int kToolBitmapSize = 32;

using CommandHandler = void (NorvLumFrame::*)(wxCommandEvent&);
struct CommandBinding {
    int id;
    CommandHandler handler;
};

const CommandBinding kCommandBindings[] = {
    {ID_OPEN, &NorvLumFrame::OnOpen},
    {ID_SAVE, &NorvLumFrame::OnSave},
    {ID_SAVE_AS, &NorvLumFrame::OnSaveAs},
    {ID_IMPORT, &NorvLumFrame::OnImport},
    {ID_EXPORT, &NorvLumFrame::OnExport},
    {ID_PRINT, &NorvLumFrame::OnPrint},
    {ID_PRINT_PREVIEW, &NorvLumFrame::OnPrintPreview},
    {ID_PAGE_SETUP, &NorvLumFrame::OnPageSetup},
    {ID_QUIT, &NorvLumFrame::OnQuit},
    {ID_PAGE_ADD, &NorvLumFrame::OnPageAdd},
    {ID_PAGE_DELETE, &NorvLumFrame::OnPageDelete},
    {ID_UPLOAD, &NorvLumFrame::OnUpload},
    {ID_DOWNLOAD, &NorvLumFrame::OnDownload},
    {ID_VALIDATE, &NorvLumFrame::OnValidatePage},
    {ID_SELECT_ALL, &NorvLumFrame::OnSelectAll},
    {ID_DESELECT_ALL, &NorvLumFrame::OnDeSelectAll},
    {ID_CLEAR_HIGHLIGHT, &NorvLumFrame::OnClearHighlight},
    {ID_SET_PORT, &NorvLumFrame::OnSetPort},
    {ID_SET_TARGET, &NorvLumFrame::OnSetTarget},
    {ID_HELP, &NorvLumFrame::OnHelp},
    {ID_ABOUT, &NorvLumFrame::OnAbout},
    {ID_DEFAULT_ROW, &NorvLumFrame::OnDefaultRow},
    {ID_CREATE_SHADOW, &NorvLumFrame::OnCreateShadow},
    {ID_COPY_ROW, &NorvLumFrame::OnCopyRow},
    {ID_PASTE_ROW, &NorvLumFrame::OnPasteRow},
    {ID_CLEAR_ROW, &NorvLumFrame::OnClearRow},
    {ID_INSERT_ROW, &NorvLumFrame::OnInsertRow},
    {ID_DELETE_ROW, &NorvLumFrame::OnDeleteRow},
    {ID_MARK_ROW, &NorvLumFrame::OnMarkRow},
    {ID_DEFAULT_COL, &NorvLumFrame::OnDefaultCol},
    {ID_DEFAULT_MARKED, &NorvLumFrame::OnDefaultMarked},
    {ID_RENUMBER_TO_ROW, &NorvLumFrame::OnRenumberToRowNum},
    {ID_RENUMBER_SEQUENCE, &NorvLumFrame::OnRenumberSequencial},
    {ID_DEFAULT_FILE, &NorvLumFrame::OnDefaultFile},
    {ID_SAVE_DEFAULT, &NorvLumFrame::OnSaveDefault},
    {ID_LOAD_DEFAULT, &NorvLumFrame::OnLoadDefault},
    // The safety net of writes to a radio.
    {ID_BACKUP_BEFORE_WRITING, &NorvLumFrame::OnBackupSetting},
    {ID_VERIFY_AFTER_WRITING, &NorvLumFrame::OnVerifySetting},
    {ID_OPEN_LAST_BACKUP, &NorvLumFrame::OnOpenLastBackup},
    {ID_COMPARE_WITH_FILE, &NorvLumFrame::OnCompareWithFile},
    {ID_SEND_TO_SEVERAL, &NorvLumFrame::OnSendToSeveral},
    // The Edit menu.
    {ID_UNDO, &NorvLumFrame::OnUndo},
    {ID_REDO, &NorvLumFrame::OnRedo},
    {ID_CUT, &NorvLumFrame::OnCut},
    {ID_COPY, &NorvLumFrame::OnCopy},
    {ID_PASTE, &NorvLumFrame::OnPaste},
    {ID_SELECT_ALL_CELLS, &NorvLumFrame::OnSelectAllCells},
};

wxBitmap ToolBitmap(const char* relativePath) {
    wxString path = FindResource(relativePath);
    wxBitmap bitmap;
    if (!path.empty()) bitmap.LoadFile(path, wxBITMAP_TYPE_PNG);
    // A missing image leaves an empty tool rather than no tool.
    if (!bitmap.IsOk()) bitmap.Create(kToolBitmapSize, kToolBitmapSize);
    return bitmap;
}

// Lumo's icon in the sizes the desktop picks from (task bar, window switcher).
wxIconBundle ProgramIcons() {
    wxIconBundle icons;
    for (const char* path : {"icons/lumo-48.png", "icons/lumo-128.png", "icons/lumo-256.png"}) {
        wxString found = FindResource(path);
        if (!found.empty()) icons.AddIcon(found, wxBITMAP_TYPE_PNG);
    }
    return icons;
}
}  // namespace

NorvLumFrame::NorvLumFrame(wxWindow* parent, wxWindowID id, const wxString& title,
                           const wxPoint& pos, const wxSize& size, long style)
    : wxFrame(parent, id, title, pos, size, style), dialogs_(std::make_unique<WxDialogs>(this)) {
    // The diagnostic log stays off unless support asked for it through the environment.
    wxLog::EnableLogging(false);
    ApplyDiagLogEnvironment();
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    SetIcons(ProgramIcons());

    BuildMenuBar();
    BuildContextMenu();

    auto* mainSizer = new wxBoxSizer(wxHORIZONTAL);
    BuildToolBar(mainSizer);

    notebook_ = new wxNotebook(this, wxID_ANY);
    LUMO_LOG(kUnit, "+ Create First Notebook Page: %d", pages_.Count());
    SetPageParameters(pages_.Slot(0), 0, 1, 0);
    CreateNewPage(0);
    mainSizer->Add(notebook_, 1, wxALL | wxEXPAND, 5);
    SetSizer(mainSizer);
    Layout();

    CreateStatusBar(5, wxSTB_DEFAULT_STYLE);
    ShowPageStatus(pages_.Current());

    BindCommands();
    InitCatalogueLists();
    wxStandardPaths::Get();
}

NorvLumFrame::~NorvLumFrame() {
    // The grids read their pages until they are gone (a focus change as the window closes), and
    // the pages are members of this class: the windows go first.
    DestroyChildren();
    // The context items live outside the menu while they are not shown; delete them all once.
    for (wxMenuItem* item : contextItems_) {
        if (contextMenu_.FindChildItem(item->GetId())) contextMenu_.Remove(item);
        delete item;
    }
}

void NorvLumFrame::BuildMenuBar() {
    auto* menuBar = new wxMenuBar;
    for (const char* title : MenuTitles) {
        auto* menu = new wxMenu;
        for (const MenuItemSpec& item : MenuItems) {
            if (wxString(item.menu) != title) continue;
            if (item.id == ID_RECENT_FILES) {  // LumoFrame fills it from the settings
                menu->Append(item.id, item.label, new wxMenu, item.help);
                continue;
            }
            bool check = std::find(CheckMenuItems.begin(), CheckMenuItems.end(), item.id) !=
                         CheckMenuItems.end();
            menu->Append(item.id, MenuLabelWithKeys(item), item.help,
                         check ? wxITEM_CHECK : wxITEM_NORMAL);
        }
        // Every menu title starts with a letter no other title starts with: Alt and it opens.
        menuBar->Append(menu, wxString("&") + title);
    }
    SetMenuBar(menuBar);
}

void NorvLumFrame::BuildContextMenu() {
    for (size_t i = 0; i < ContextItems.size(); ++i)
        contextItems_[i] = new wxMenuItem(&contextMenu_, ContextItems[i].id, ContextItems[i].label,
                                          ContextItems[i].help);
}

void NorvLumFrame::BuildToolBar(wxSizer* mainSizer) {
    toolBar_ = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTB_VERTICAL | wxTB_FLAT | wxTB_NODIVIDER);
    toolBar_->SetToolBitmapSize(wxSize(kToolBitmapSize, kToolBitmapSize));
    for (const ToolSpec& tool : Tools) {
        // The label is not drawn, but screen readers announce it: it names the command, as the
        // tooltip does.
        toolBar_->AddTool(tool.id, tool.shortHelp, ToolBitmap(tool.bitmap), wxNullBitmap,
                          wxITEM_NORMAL, tool.shortHelp, tool.longHelp);
        for (int i = 0; i < tool.separatorsAfter; ++i)
            toolBar_->AddSeparator();
    }
    toolBar_->Realize();
    mainSizer->Add(toolBar_, 0, wxALL | wxEXPAND, 5);
}

void NorvLumFrame::BindCommands() {
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& e) { OnClose(e); });
    // Menu items and tools share their identifiers; tool events reach the frame as well.
    for (const CommandBinding& binding : kCommandBindings) {
        CommandHandler handler = binding.handler;
        int id = binding.id;
        Bind(
            wxEVT_MENU,
            [this, handler, id](wxCommandEvent& e) {
                CommandStarts(id);
                (this->*handler)(e);
                CommandEnded(id);
            },
            id);
    }
    // Redo's second shortcut, as other editors have it.
    wxAcceleratorEntry redo(wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', ID_REDO);
    SetAcceleratorTable(wxAcceleratorTable(1, &redo));
    notebook_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& e) { OnPageChanged(e); });
    notebook_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGING,
                    [this](wxBookCtrlEvent& e) { OnPageChanging(e); });
    Bind(wxEVT_IDLE, [this](wxIdleEvent& e) {
        e.Skip();
        ShowFileMarks();
    });
    // The notebook has no tooltips per tab: its own follows the tab under the pointer.
    notebook_->Bind(wxEVT_MOTION, [this](wxMouseEvent& e) {
        e.Skip();
        wxString tip = TabTip(notebook_->HitTest(e.GetPosition()));
        if (tip.empty())
            notebook_->UnsetToolTip();
        else if (notebook_->GetToolTipText() != tip)
            notebook_->SetToolTip(tip);
    });
    notebook_->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& e) {
        e.Skip();
        notebook_->UnsetToolTip();
    });
}

void NorvLumFrame::OnGridKeyDown(wxKeyEvent& event) {
    event.Skip();
}

PageView* NorvLumFrame::View(int slot) const {
    return (slot >= 0 && slot < kPageSlots) ? views_[slot] : nullptr;
}

void NorvLumFrame::CreateNewPage(int slot) {
    LUMO_LOG(kUnit, "> Create New Page: %d ----------------------------------->", slot + 1);
    Page& page = pages_.Slot(slot);
    SetupPageStore(page);
    auto* view = new PageView(notebook_, page, [this] { return dialogs_.get(); });
    views_[slot] = view;
    notebook_->AddPage(view, page.strings.radioName, true);
    SetPageEditors(page, slot);
    SetPageDefaults(page, slot);
    view->Grid()->Bind(wxEVT_GRID_CELL_CHANGING, [this](wxGridEvent& e) { OnGridCellChanging(e); });
    view->Grid()->Bind(wxEVT_CONTEXT_MENU, &NorvLumFrame::OnGridContextMenu, this);
    view->Grid()->Bind(wxEVT_GRID_CELL_CHANGED, [this](wxGridEvent& e) { OnGridCellChanged(e); });
    view->Grid()->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) { OnGridKeyDown(e); });
    pages_.AddSlot();
    pages_.SetCurrent(slot);
    page.MarkSaved();  // a new page holds nothing to lose, nor anything to undo
    view->History().Reset(page);
    view->Refresh();
}

void NorvLumFrame::ShowPageStatus(int slot) {
    PageStatusTexts texts = pages_.StatusTexts(slot);
    if (wxStatusBar* bar = GetStatusBar()) {
        bar->SetStatusText(texts.radio, 1);
        bar->SetStatusText(texts.band, 2);
        bar->SetStatusText(texts.rows, 3);
    }
    if (slot < static_cast<int>(notebook_->GetPageCount()))
        notebook_->SetPageText(slot, texts.radio);
    SetTitle(texts.title);
    pages_.NoteShownPage(slot);
    ShowFileMarks();
}

void NorvLumFrame::ShowFileMarks() {
    for (int slot = 0; slot < kPageSlots; ++slot)
        tabTips_[slot] = pages_.IsInUse(slot) ? pages_.StatusTexts(slot).tabTip : wxString();
    if (!pages_.IsInUse(pages_.Current())) return;
    PageStatusTexts texts = pages_.StatusTexts(pages_.Current());
    wxString title = texts.file.empty() ? texts.title : texts.title + " - " + texts.file;
    if (GetTitle() != title) SetTitle(title);
}

void NorvLumFrame::OnGridContextMenu(wxContextMenuEvent& event) {
    PageView* view = CurrentView();
    if (!view) return;
    wxGrid* grid = view->Grid();
    Page& page = view->GetPage();

    wxPoint pos = grid->GetGridWindow()->ScreenToClient(event.GetPosition());
    ContextMenuQuery query;
    query.area = ClassifyClick(pos.x, pos.y);
    query.p25Page = page.IsP25();
    query.rowsMarked = (page.params.pageFlags & kPageFlagMarked) != 0;
    // Move a label click into the first cells so the cell under it can be looked up.
    if (query.area == ClickArea::RowLabel) pos.x = 10 - pos.x;
    if (query.area == ClickArea::ColumnLabel) pos.y = 10 - pos.y;
    wxPoint unscrolled = grid->CalcUnscrolledPosition(pos);
    query.row = std::min(std::max(grid->YToRow(unscrolled.y, true), 0), page.Rows());
    query.column = grid->XToCol(unscrolled.x, true);

    for (wxMenuItem* item : contextItems_)
        if (contextMenu_.FindChildItem(item->GetId())) contextMenu_.Remove(item);

    switch (query.area) {
        case ClickArea::RowLabel:
            query.guardRow = page.IsGuardRow(query.row);
            query.rowUsed = page.IsRowUsed(query.row);
            query.shadowRow = IsShadowRow(page, query.row);
            view->SelectionToStore();
            SelectForRowMenu(page.grid.GetSelection(), query.row);
            view->SelectionFromStore();
            contextRow_ = query.row;
            break;
        case ClickArea::ColumnLabel:
            if (query.column != PRIM) grid->SelectCol(query.column);
            break;
        case ClickArea::Corner: grid->SelectAll(); break;
        case ClickArea::Cells: return;
    }

    std::vector<int> ids = ContextMenuItemsFor(query);
    if (ids.empty()) return;
    for (int id : ids)
        for (wxMenuItem* item : contextItems_)
            if (item->GetId() == id) contextMenu_.Append(item);
    if (contextMenuPresenter_)
        contextMenuPresenter_(contextMenu_);
    else
        PopupMenu(&contextMenu_);
}
