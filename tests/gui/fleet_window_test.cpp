// Data > Send to several radios... through the real frame, against two simulated radios typed
// as other devices: a progress row per port while the program stays usable, then the table,
// saved as CSV.
#include "fleet_window.h"
#include "sim_server.h"
#include "support/gui_support.h"
#include "support/page_fixtures.h"

#include <wx/button.h>
#include <wx/checklst.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textfile.h>

using namespace lumo;
using namespace radiosim;

namespace {
constexpr int kVRD21 = 6;

void Click(wxWindow* control, wxEventType type, int index = 0) {
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(index);
    control->GetEventHandler()->ProcessEvent(event);
}
}  // namespace

TEST_F(FrameTest, SendToSeveralRadiosShowsEachPortAndTheTable) {
    DigitalSettings refusing;
    refusing.refusedAddress = 2;
    SimServer healthy(std::make_unique<DigitalRadio>(), nullptr, Faults());
    SimServer refuser(std::make_unique<DigitalRadio>(refusing), nullptr, Faults());
    std::string error;
    for (SimServer* server : {&healthy, &refuser}) {
        ASSERT_TRUE(server->Open("", &error)) << error;
        server->Start();
    }
    Retarget(kVRD21);
    for (int row = 1; row <= 3; ++row) {
        FillFromDefaults(CurrentPage(), row);
        Grid()->SelectRow(row, true);
    }
    Command(ID_SEND_TO_SEVERAL);
    FleetWindow* window = nullptr;
    for (wxWindow* top : wxTopLevelWindows)
        if (auto* found = dynamic_cast<FleetWindow*>(top)) window = found;
    ASSERT_NE(window, nullptr);
    for (SimServer* server : {&healthy, &refuser}) {
        dialogs->texts.push_back(wxString(server->DevicePath()));
        unsigned other = window->portList->GetCount() - 1;
        window->portList->Check(other);
        Click(window->portList, wxEVT_CHECKLISTBOX, static_cast<int>(other));
    }
    std::vector<wxString> ports = {healthy.DevicePath(), refuser.DevicePath()};
    ASSERT_EQ(window->CheckedPorts(), ports);
    EXPECT_EQ(frame->Port().typedPorts, ports) << "typed devices are offered again";
    Click(window->sendButton, wxEVT_BUTTON);
    ASSERT_EQ(window->gauges.size(), 2u);
    EXPECT_TRUE(window->Running());
    EXPECT_TRUE(frame->IsEnabled());  // the program stays usable while the radios are written
    ASSERT_TRUE(WaitUntil([&] { return window->Finished(); }, 30000));
    EXPECT_EQ(window->statusLabels[0]->GetLabel(), "Written and verified");
    EXPECT_EQ(window->statusLabels[1]->GetLabel(), "Radio rejected channel 2");
    ASSERT_EQ(window->table->GetItemCount(), 2);
    EXPECT_EQ(window->table->GetItemText(1, 7), "Radio rejected channel 2");
    EXPECT_EQ(window->table->GetItemText(0, 5), "yes");
    dialogs->texts.push_back(scratch.Path("radios.csv"));
    Click(window->saveButton, wxEVT_BUTTON);
    wxTextFile csv;
    ASSERT_TRUE(csv.Open(scratch.Path("radios.csv")));
    EXPECT_EQ(csv.GetLineCount(), 3u);
    EXPECT_TRUE(csv.GetLine(2).StartsWith(refuser.DevicePath() + ",VRD-21,")) << csv.GetLine(2);
    window->Close();
    healthy.Stop();
    refuser.Stop();
}
