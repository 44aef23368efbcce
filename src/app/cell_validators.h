// Key, paste and validation filters of the grid's text editors. Each answers through the core
// rules; a refused key or paste rings the bell, and Validate shows a "Validation conflict" box.
#pragma once

#include "rules/frequency_rules.h"
#include "rules/text_rules.h"
#include "util/dialogs.h"

#include <wx/validate.h>

#include <functional>

class wxTextCtrl;

// Where the grid's editors and validators find the dialogs of the moment.
using DialogsSource = std::function<lumo::Dialogs*()>;

// Says in the status bar of the window's frame why a key, paste or value was refused.
void ShowRefusal(wxWindow* near, const wxString& reason);

// What the three validators share: the text control, the bell and the conflict box.
class LumoTextValidator : public wxValidator {
  public:
    explicit LumoTextValidator(DialogsSource dialogs) : dialogs_(std::move(dialogs)) {}

    bool Validate(wxWindow* parent) override;
    bool TransferToWindow() override { return true; }
    bool TransferFromWindow() override { return true; }
    virtual wxString IsValid(const wxString& value) const = 0;

  protected:
    wxTextCtrl* Text() const;
    // Rings the bell and says why.
    void Refuse(const wxString& reason) const;
    void UpperCaseInPlace();
    lumo::Dialogs* Dialogs() const { return dialogs_ ? dialogs_() : nullptr; }
    DialogsSource dialogs_;
};

class FrequencyValidator : public LumoTextValidator {
  public:
    explicit FrequencyValidator(DialogsSource dialogs = {}, int band = 0, int step = 25000);
    FrequencyValidator(const FrequencyValidator& other) = default;
    wxObject* Clone() const override { return new FrequencyValidator(*this); }

    wxString IsValid(const wxString& value) const override;
    virtual void SetBandAndStep(int band, int step) { rule_ = {band, step}; }
    const lumo::FrequencyRule& Rule() const { return rule_; }

  private:
    void OnChar(wxKeyEvent& event);
    void OnPaste(wxClipboardTextEvent& event);

    lumo::FrequencyRule rule_;
    wxDECLARE_EVENT_TABLE();
};

class DigitalSquelchValidator : public LumoTextValidator {
  public:
    DigitalSquelchValidator(DialogsSource dialogs = {}, long minimum = 0, long maximum = 0xFFFF);
    DigitalSquelchValidator(const DigitalSquelchValidator& other) = default;
    wxObject* Clone() const override { return new DigitalSquelchValidator(*this); }

    wxString IsValid(const wxString& value) const override;
    virtual void SetBandAndStep(long minimum, long maximum);

  private:
    void OnChar(wxKeyEvent& event);
    void OnPaste(wxClipboardTextEvent& event);
    void OnText(wxCommandEvent& event);

    long minimum_, maximum_;
    wxDECLARE_EVENT_TABLE();
};

class LumoDescriptionValidator : public LumoTextValidator {
  public:
    LumoDescriptionValidator(DialogsSource dialogs = {},
                             lumo::DescriptionSet set = lumo::DescriptionSet::Restricted);
    LumoDescriptionValidator(const LumoDescriptionValidator& other) = default;
    wxObject* Clone() const override { return new LumoDescriptionValidator(*this); }

    wxString IsValid(const wxString& value) const override;
    lumo::DescriptionSet Set() const { return set_; }

  private:
    void OnChar(wxKeyEvent& event);
    void OnPaste(wxClipboardTextEvent& event);
    void OnText(wxCommandEvent& event);

    lumo::DescriptionSet set_;
    wxDECLARE_EVENT_TABLE();
};
