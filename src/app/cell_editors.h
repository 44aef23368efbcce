// The grid's cell editors. They are shared by every cell that looks alike, so each reads its
// row when an edit begins; what an edit does to the row is the core's (edit/cell_edits.h).
#pragma once

#include "cell_validators.h"
#include "pages/page.h"

#include <wx/grid.h>

// What every editor of a page needs: the page and the dialogs.
struct EditorContext {
    lumo::Page* page;
    DialogsSource dialogs;
};

class FrequencyEditor : public wxGridCellTextEditor {
  public:
    FrequencyEditor(const EditorContext& context, int band, int step);

    void BeginEdit(int row, int col, wxGrid* grid) override;
    bool EndEdit(int row, int col, const wxGrid* grid, const wxString& oldval,
                 wxString* newval) override;
    void ApplyEdit(int row, int col, wxGrid* grid) override;
    void StartingKey(wxKeyEvent& event) override;
    wxGridCellEditor* Clone() const override;
    virtual void SetBandAndStep(int band, int step);

  private:
    EditorContext context_;
    int band_, step_, fullLength_;
    wxString value_;
};

class DigitalSquelchEditor : public wxGridCellTextEditor {
  public:
    DigitalSquelchEditor(const EditorContext& context, int width, long minimum, long maximum);

    void BeginEdit(int row, int col, wxGrid* grid) override;
    bool EndEdit(int row, int col, const wxGrid* grid, const wxString& oldval,
                 wxString* newval) override;
    void ApplyEdit(int row, int col, wxGrid* grid) override;
    void StartingKey(wxKeyEvent& event) override;
    wxGridCellEditor* Clone() const override;

  private:
    EditorContext context_;
    int width_;
    long minimum_, maximum_;
    wxString value_;
};

class LumoDescriptionEditor : public wxGridCellTextEditor {
  public:
    LumoDescriptionEditor(const EditorContext& context, size_t maxChars, lumo::DescriptionSet set);

    void StartingKey(wxKeyEvent& event) override;
    wxGridCellEditor* Clone() const override;

  private:
    EditorContext context_;
    size_t maxChars_;
    lumo::DescriptionSet set_;
};

class LumoMemoryNumberEditor : public wxGridCellNumberEditor {
  public:
    LumoMemoryNumberEditor(const EditorContext& context, int minimum, int maximum);

    void ApplyEdit(int row, int col, wxGrid* grid) override;
    wxGridCellEditor* Clone() const override;

  private:
    EditorContext context_;
    int minimum_, maximum_;
};

// A choice cell takes typing: the first characters select the first choice they begin, and
// Return takes it.
class TypingChoiceEditor : public wxGridCellChoiceEditor {
  public:
    using wxGridCellChoiceEditor::wxGridCellChoiceEditor;

    void Create(wxWindow* parent, wxWindowID id, wxEvtHandler* evtHandler) override;
    void BeginEdit(int row, int col, wxGrid* grid) override;
    void StartingKey(wxKeyEvent& event) override;

  private:
    void Type(wxChar key);
    wxString typed_;
};

class LumoChoiceEditor : public TypingChoiceEditor {
  public:
    LumoChoiceEditor(const EditorContext& context, const wxArrayString& choices);

    void ApplyEdit(int row, int col, wxGrid* grid) override;
    wxGridCellEditor* Clone() const override;

  protected:
    EditorContext context_;
};

// A module row's band: the row's frequencies, tones and codes follow it.
class MODXBandChoiceEditor : public LumoChoiceEditor {
  public:
    using LumoChoiceEditor::LumoChoiceEditor;

    void ApplyEdit(int row, int col, wxGrid* grid) override;
    wxGridCellEditor* Clone() const override;
};

class P25ZoneEditor : public TypingChoiceEditor {
  public:
    explicit P25ZoneEditor(const EditorContext& context);

    void BeginEdit(int row, int col, wxGrid* grid) override;
    bool EndEdit(int row, int col, const wxGrid* grid, const wxString& oldval,
                 wxString* newval) override;
    void ApplyEdit(int row, int col, wxGrid* grid) override;
    wxGridCellEditor* Clone() const override;

  private:
    EditorContext context_;
    wxString startZone_;
    wxString chosen_;
};

class ScanlistEditor : public wxGridCellActivatableEditor {
  public:
    explicit ScanlistEditor(const EditorContext& context) : context_(context) {}

    wxGridCellEditor* Clone() const override { return new ScanlistEditor(context_); }
    wxGridActivationResult TryActivate(int row, int col, wxGrid* grid,
                                       const wxGridActivationSource& source) override;
    void DoActivate(int row, int col, wxGrid* grid) override;

  private:
    EditorContext context_;
    wxString value_;
};
