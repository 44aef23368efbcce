#include "wx_dialogs.h"

#include "choice_dialog.h"
#include "shadow_dialog.h"

#include <wx/aboutdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

using lumo::DialogAnswer;
using lumo::DialogButtons;
using lumo::DialogIcon;

namespace {
long IconStyle(DialogIcon icon) {
    switch (icon) {
        case DialogIcon::Information: return wxICON_INFORMATION;
        case DialogIcon::Error: return wxICON_ERROR;
        case DialogIcon::Exclamation: return wxICON_EXCLAMATION;
        case DialogIcon::Question: return wxICON_QUESTION;
        case DialogIcon::None: break;
    }
    return 0;
}

long ButtonStyle(DialogButtons buttons) {
    switch (buttons) {
        case DialogButtons::Ok: return wxOK;
        case DialogButtons::OkCancel: return wxOK | wxCANCEL;
        case DialogButtons::YesNo: return wxYES_NO;
        case DialogButtons::YesNoCancel: return wxYES_NO | wxCANCEL;
    }
    return wxOK;
}

DialogAnswer ToAnswer(int id) {
    switch (id) {
        case wxID_OK: return DialogAnswer::Ok;
        case wxID_YES: return DialogAnswer::Yes;
        case wxID_NO: return DialogAnswer::No;
        default: return DialogAnswer::Cancel;
    }
}
}  // namespace

void WxDialogs::Message(const wxString& text, const wxString& caption, DialogIcon icon) {
    wxMessageDialog dialog(parent_, text, caption, wxOK | wxCENTRE | IconStyle(icon));
    dialog.ShowModal();
}

DialogAnswer WxDialogs::Ask(const wxString& text, const wxString& caption, DialogButtons buttons,
                            DialogIcon icon) {
    wxMessageDialog dialog(parent_, text, caption,
                           ButtonStyle(buttons) | wxCENTRE | IconStyle(icon));
    return ToAnswer(dialog.ShowModal());
}

std::optional<int> WxDialogs::Choose(const lumo::ChoiceRequest& request) {
    ChoiceDialog dialog(parent_, request);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.Selection();
}

std::optional<wxString> WxDialogs::AskText(const wxString& title, const wxString& label) {
    ShadowDialog dialog(parent_, title, label);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.Text();
}

std::optional<wxString> WxDialogs::OpenFile(const lumo::FileDialogRequest& request) {
    wxFileDialog dialog(parent_, request.title, request.directory, request.fileName,
                        request.wildcard, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetPath();
}

std::optional<wxString> WxDialogs::SaveFile(const lumo::FileDialogRequest& request) {
    wxFileDialog dialog(nullptr, request.title, request.directory, request.fileName,
                        request.wildcard, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetPath();
}

void WxDialogs::About(const lumo::AboutInfo& info) {
    wxAboutDialogInfo about;
    about.SetName(info.name);
    about.SetVersion(info.version);
    about.SetDescription(info.description);
    wxIcon icon;
    if (!info.icon.empty() && icon.LoadFile(info.icon, wxBITMAP_TYPE_PNG)) about.SetIcon(icon);
    wxAboutBox(about);
}

void WxDialogs::Bell() {
    wxBell();
}
