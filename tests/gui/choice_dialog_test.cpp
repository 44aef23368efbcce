// The radio, band and port choices through the real dialogs, answered by the test.
#include "support/gui_support.h"

#include "choice_dialog.h"
#include "commands/commands.h"
#include "wx_dialogs.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/timer.h>

using namespace lumo;

namespace {
// Questions and messages are scripted; choices go through the real modal ChoiceDialog.
class RealChoiceDialogs : public ScriptedDialogs {
  public:
    explicit RealChoiceDialogs(wxWindow* parent) : real_(parent) {}
    std::optional<int> Choose(const ChoiceRequest& request) override {
        choiceRequests.push_back(request);
        return real_.Choose(request);
    }

  private:
    WxDialogs real_;
};

// Waits for each modal choice dialog, notes whether OK was enabled before and after choosing,
// and answers it: an index chooses that entry and presses OK, -1 presses Cancel.
class DialogAnswerer : public wxTimer {
  public:
    explicit DialogAnswerer(std::deque<int> picks) : picks_(std::move(picks)) { Start(20); }

    std::vector<bool> okBefore, okAfter;
    std::vector<wxString> titles;

    void Notify() override {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<ChoiceDialog*>(window);
            if (!dialog || !dialog->IsModal() || picks_.empty()) continue;
            auto* ok = dialog->FindWindow(wxID_OK);
            dialog->UpdateWindowUI(wxUPDATE_UI_RECURSE);
            okBefore.push_back(ok->IsEnabled());
            titles.push_back(dialog->GetTitle());
            int pick = picks_.front();
            picks_.pop_front();
            if (pick < 0) {
                dialog->EndModal(wxID_CANCEL);
                return;
            }
            dialog->Choice()->SetSelection(pick);
            dialog->UpdateWindowUI(wxUPDATE_UI_RECURSE);
            okAfter.push_back(ok->IsEnabled());
            dialog->EndModal(wxID_OK);
            return;
        }
    }

  private:
    std::deque<int> picks_;
};

class RealDialogTest : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        auto hybrid = std::make_unique<RealChoiceDialogs>(frame);
        dialogs = hybrid.get();
        frame->SetDialogs(std::move(hybrid));
    }
};
}  // namespace

TEST_F(RealDialogTest, AddPageThroughTheRadioAndBandDialogs) {
    DialogAnswerer answerer({17, 5});
    Command(ID_PAGE_ADD);
    ASSERT_EQ(answerer.titles, (std::vector<wxString>{"<-- Select Target Radio -->",
                                                      "<-- Select Frequency Band -->"}));
    EXPECT_TRUE(answerer.okBefore[0]) << "the radio dialog preselects the current radio";
    EXPECT_FALSE(answerer.okBefore[1]) << "OK waits for a band";
    EXPECT_TRUE(answerer.okAfter[1]);
    ASSERT_EQ(frame->Notebook()->GetPageCount(), 2u);
    EXPECT_EQ(CurrentPage().params.pageType, kMODX);
    EXPECT_EQ(Grid()->GetNumberRows(), 501);
}

TEST_F(RealDialogTest, CancelInTheBandDialogAddsNoPage) {
    DialogAnswerer answerer({13, -1});
    Command(ID_PAGE_ADD);
    EXPECT_EQ(answerer.titles.size(), 2u);
    EXPECT_EQ(frame->Notebook()->GetPageCount(), 1u);
}

TEST_F(RealDialogTest, RetargetThroughTheRadioDialog) {
    DialogAnswerer answerer({6});
    Command(ID_SET_TARGET);
    EXPECT_EQ(CurrentPage().params.pageType, kRP25);
    EXPECT_EQ(Grid()->GetNumberRows(), 233);
    EXPECT_TRUE(frame->GetTitle().StartsWith("Norv Lumo: Page 1 of 1.")) << frame->GetTitle();
}
