// Helpers for tests that drive the real main frame.
#pragma once

#include "commands/commands.h"
#include "lumo_frame.h"
#include "page_view.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/grid.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <optional>
#include <tuple>

// Lets the event loop run until the condition holds or the time is up; never a fixed sleep.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

// A shown main frame with scripted dialogs, destroyed after each test.
class FrameTest : public testing::Test {
  protected:
    void SetUp() override {
        frame = new LumoFrame;
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        frame->SetDialogs(std::move(scripted));
        // Nothing a test does reaches the user's configuration or data folder.
        frame->SetSettings(std::make_unique<lumo::MemorySettings>());
        frame->SetBackupFolder(scratch.Path("backups"));
        frame->Show();
        ASSERT_TRUE(WaitUntil([this] { return frame->IsShownOnScreen(); }));
    }

    void TearDown() override {
        if (frame) frame->Destroy();
        WaitUntil([] { return wxTopLevelWindows.empty(); });
    }

    wxGrid* Grid() { return frame->CurrentView()->Grid(); }
    // Expects each listed cell of the grid to show its text.
    void ExpectShown(std::initializer_list<std::tuple<int, int, const char*>> cells) {
        for (const auto& [row, col, text] : cells)
            EXPECT_EQ(Grid()->GetCellValue(row, col), text) << "row " << row << " col " << col;
    }
    lumo::Page& CurrentPage() { return frame->CurrentView()->GetPage(); }

    void Command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(event);
    }

    // Puts the cursor on a cell and gives the grid the keyboard.
    void Focus(int row, int col) {
        wxGrid* grid = Grid();
        grid->ClearSelection();
        grid->MakeCellVisible(row, col);
        grid->SetGridCursor(row, col);
        grid->GetGridWindow()->SetFocus();
        ASSERT_TRUE(WaitUntil([&] { return grid->GetGridWindow()->HasFocus(); }));
    }

    // Types into a cell and ends the edit where it is.
    void Type(int row, int col, const char* keys) {
        Focus(row, col);
        wxUIActionSimulator sim;
        sim.Text(keys);
        ASSERT_TRUE(WaitUntil([&] { return Grid()->IsCellEditControlShown(); }));
        wxTheApp->Yield(true);
        Grid()->DisableCellEditControl();
    }

    // Answers the radio and band dialogs of a change of target.
    void Retarget(int radio, std::optional<int> band = std::nullopt) {
        dialogs->choices = {radio};
        if (band) dialogs->choices.push_back(*band);
        Command(lumo::ID_SET_TARGET);
    }

    LumoFrame* frame = nullptr;
    ScriptedDialogs* dialogs = nullptr;
    TempDir scratch;
};
