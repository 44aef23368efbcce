#include "cell_validators.h"

#include "util/diag_log.h"

#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

using namespace lumo;

namespace {
constexpr const char* kUnit = "LumoEditors";

wxString ClipboardText() {
    wxString text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) text = data.GetText();
        wxTheClipboard->Close();
    }
    return text;
}

// Keys without a character (arrows, function keys) are the control's business.
bool IsPlainCharacter(const wxKeyEvent& event, wxChar& key) {
    int code = event.GetUnicodeKey();
    if (code == WXK_NONE) return false;
    key = static_cast<wxChar>(code);
    return true;
}
}  // namespace

void ShowRefusal(wxWindow* near, const wxString& reason) {
    if (reason.empty() || !near) return;
    auto* frame = wxDynamicCast(wxGetTopLevelParent(near), wxFrame);
    if (frame && frame->GetStatusBar()) frame->SetStatusText(reason, 0);
}

wxTextCtrl* LumoTextValidator::Text() const {
    return wxDynamicCast(GetWindow(), wxTextCtrl);
}

void LumoTextValidator::Refuse(const wxString& reason) const {
    ShowRefusal(GetWindow(), reason);
    if (IsSilent()) return;
    if (lumo::Dialogs* dialogs = Dialogs())
        dialogs->Bell();
    else
        wxBell();
}

bool LumoTextValidator::Validate(wxWindow*) {
    wxWindow* window = GetWindow();
    if (window && !window->IsEnabled()) return true;
    wxTextCtrl* text = Text();
    if (!text) return false;
    wxString problem = IsValid(text->GetValue());
    if (problem.empty()) return true;
    if (lumo::Dialogs* dialogs = Dialogs())
        dialogs->Message(problem, "Validation conflict", DialogIcon::Exclamation);
    text->SetFocus();
    return false;
}

void LumoTextValidator::UpperCaseInPlace() {
    wxTextCtrl* text = Text();
    if (!text) return;
    wxString value = text->GetValue();
    wxString upper = value.Upper();
    if (upper == value) return;
    long point = text->GetInsertionPoint();
    text->ChangeValue(upper);
    text->SetInsertionPoint(point);
}

wxBEGIN_EVENT_TABLE(FrequencyValidator, wxValidator) EVT_CHAR(FrequencyValidator::OnChar)
    EVT_TEXT_PASTE(wxID_ANY, FrequencyValidator::OnPaste) wxEND_EVENT_TABLE()

        FrequencyValidator::FrequencyValidator(DialogsSource dialogs, int band, int step)
    : LumoTextValidator(std::move(dialogs)), rule_{band, step} {}

wxString FrequencyValidator::IsValid(const wxString& value) const {
    return FrequencyValidationError(value);
}

void FrequencyValidator::OnChar(wxKeyEvent& event) {
    wxTextCtrl* text = Text();
    wxChar key = 0;
    if (!text || !IsPlainCharacter(event, key) ||
        FrequencyKeyAccepted(text->GetValue(), text->GetInsertionPoint(), key, rule_)) {
        event.Skip();
        return;
    }
    Refuse(FrequencyKeyRefusal(text->GetValue(), text->GetInsertionPoint(), key, rule_));
}

void FrequencyValidator::OnPaste(wxClipboardTextEvent& event) {
    wxTextCtrl* text = Text();
    if (!text) return;
    wxString pasted = ClipboardText();
    if (FrequencyPasteAccepted(text->GetValue(), text->GetInsertionPoint(), pasted, rule_))
        event.Skip();
    else
        Refuse(FrequencyPasteRefusal(text->GetValue(), text->GetInsertionPoint(), pasted, rule_));
}

wxBEGIN_EVENT_TABLE(DigitalSquelchValidator, wxValidator) EVT_CHAR(DigitalSquelchValidator::OnChar)
    EVT_TEXT_PASTE(wxID_ANY, DigitalSquelchValidator::OnPaste)
        EVT_TEXT(wxID_ANY, DigitalSquelchValidator::OnText) wxEND_EVENT_TABLE()

            DigitalSquelchValidator::DigitalSquelchValidator(DialogsSource dialogs, long minimum,
                                                             long maximum)
    : LumoTextValidator(std::move(dialogs)), minimum_(minimum), maximum_(maximum) {}

void DigitalSquelchValidator::SetBandAndStep(long minimum, long maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

wxString DigitalSquelchValidator::IsValid(const wxString& value) const {
    return HexValidationError(value);
}

void DigitalSquelchValidator::OnChar(wxKeyEvent& event) {
    wxChar key = 0;
    if (!IsPlainCharacter(event, key) || HexKeyAccepted(key))
        event.Skip();
    else
        Refuse(HexRefusal(wxString(key)));
}

void DigitalSquelchValidator::OnPaste(wxClipboardTextEvent& event) {
    wxString pasted = ClipboardText();
    if (HexPasteAccepted(pasted))
        event.Skip();
    else
        Refuse(HexRefusal(pasted));
}

void DigitalSquelchValidator::OnText(wxCommandEvent& event) {
    UpperCaseInPlace();
    event.Skip();
}

wxBEGIN_EVENT_TABLE(LumoDescriptionValidator, wxValidator)
    EVT_CHAR(LumoDescriptionValidator::OnChar)
        EVT_TEXT_PASTE(wxID_ANY, LumoDescriptionValidator::OnPaste)
            EVT_TEXT(wxID_ANY, LumoDescriptionValidator::OnText) wxEND_EVENT_TABLE()

                LumoDescriptionValidator::LumoDescriptionValidator(DialogsSource dialogs,
                                                                   DescriptionSet set)
    : LumoTextValidator(std::move(dialogs)), set_(set) {}

wxString LumoDescriptionValidator::IsValid(const wxString& value) const {
    LUMO_LOG(kUnit, "     DV::IsValid: %s", value);
    return DescriptionValidationError(value, set_);
}

void LumoDescriptionValidator::OnChar(wxKeyEvent& event) {
    wxChar key = 0;
    if (!IsPlainCharacter(event, key) || DescriptionKeyAccepted(key, set_))
        event.Skip();
    else
        Refuse(DescriptionRefusal(wxString(key), set_));
}

void LumoDescriptionValidator::OnPaste(wxClipboardTextEvent& event) {
    wxString pasted = ClipboardText();
    if (DescriptionPasteAccepted(pasted, set_))
        event.Skip();
    else
        Refuse(DescriptionRefusal(pasted, set_));
}

void LumoDescriptionValidator::OnText(wxCommandEvent& event) {
    if (set_ == DescriptionSet::Restricted) UpperCaseInPlace();
    event.Skip();
}
