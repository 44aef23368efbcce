#include "model/cell_store.h"

#include <gtest/gtest.h>

using namespace lumo;

namespace {
struct RecordingObserver : CellStoreObserver {
    std::vector<std::string> calls;
    void RowsInserted(int pos, int count) override {
        calls.push_back("insert " + std::to_string(pos) + " " + std::to_string(count));
    }
    void RowsDeleted(int pos, int count) override {
        calls.push_back("delete " + std::to_string(pos) + " " + std::to_string(count));
    }
    void RowsAppended(int count) override { calls.push_back("append " + std::to_string(count)); }
};
}  // namespace

TEST(CellStore, AccessOutsideTheStoreIsHarmless) {
    CellStore store(3);
    store.Set(3, 0, "x");
    store.Set(0, 32, "x");
    store.Set(-1, 0, "x");
    store.SetReadOnly(5, 5);
    store.SetBackground(9, 0, kHighlightColour);
    EXPECT_EQ(store.Get(3, 0), "");
    EXPECT_EQ(store.Get(-1, -1), "");
    EXPECT_FALSE(store.IsReadOnly(5, 5));
    EXPECT_FALSE(store.Background(9, 0).has_value());
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(store.IsRowUsed(row));
}

TEST(CellStore, RowIsUsedByAnyCellHiddenOnesIncluded) {
    CellStore store(4);
    store.Set(1, TFLG, "A0");
    EXPECT_TRUE(store.IsRowUsed(1));
    store.Set(2, SHD3, "7");
    EXPECT_TRUE(store.IsRowUsed(2));
    EXPECT_FALSE(store.IsRowUsed(3));
    store.ClearRowTexts(1);
    EXPECT_FALSE(store.IsRowUsed(1));
}

TEST(CellStore, ResetBackgroundTakesTheColourOfTheFirstCell) {
    CellStore store(3);
    store.SetBackground(2, 5, kHighlightColour);
    store.ResetBackground(2, 5);
    EXPECT_FALSE(store.Background(2, 5).has_value());
    store.SetBackground(0, 0, Rgb{1, 2, 3});
    store.SetBackground(2, 5, kMarkColour);
    store.ResetBackground(2, 5);
    EXPECT_EQ(store.Background(2, 5), (Rgb{1, 2, 3}));
}

TEST(CellStore, DeleteAndInsertMoveRowsAndTellTheView) {
    CellStore store(6);
    RecordingObserver observer;
    store.SetObserver(&observer);
    for (int row = 0; row < 6; ++row)
        store.Set(row, MNUM, wxString::Format("%d", row));
    store.SetReadOnly(4, MNUM);
    store.DeleteRows(2, 2);
    ASSERT_EQ(store.RowCount(), 4);
    EXPECT_EQ(store.Get(2, MNUM), "4");
    EXPECT_TRUE(store.IsReadOnly(2, MNUM)) << "flags travel with their row";
    store.InsertRows(1, 1);
    EXPECT_EQ(store.Get(1, MNUM), "");
    EXPECT_EQ(store.Get(2, MNUM), "1");
    store.AppendRows(2);
    EXPECT_EQ(store.RowCount(), 7);
    store.DeleteRows(6, 10);  // clipped to what exists
    EXPECT_EQ(store.RowCount(), 6);
    std::vector<std::string> expected = {"delete 2 2", "insert 1 1", "append 2", "delete 6 1"};
    EXPECT_EQ(observer.calls, expected);
}

TEST(CellStore, RevisionCountsOnlyRealChanges) {
    CellStore store(2);
    uint64_t start = store.Revision();
    store.Set(1, DESC, "A");
    store.Set(1, DESC, "A");
    EXPECT_EQ(store.Revision(), start + 1);
    store.SetBackground(1, DESC, kHighlightColour);
    EXPECT_EQ(store.Revision(), start + 1) << "colours are not channel data";
}

TEST(Selection, RowsAreSelectedByTheirFirstColumn) {
    Selection sel;
    sel.AddColumn(DESC, 10);
    EXPECT_FALSE(sel.IsRowSelected(3));
    sel.Add({3, 0, 4, 2});
    EXPECT_TRUE(sel.IsRowSelected(3));
    EXPECT_TRUE(sel.IsRowSelected(4));
    EXPECT_FALSE(sel.IsRowSelected(5));
    sel.SelectAll(10);
    EXPECT_TRUE(sel.Contains(9, 31));
    sel.Clear();
    EXPECT_TRUE(sel.Empty());
}

TEST(Selection, FollowsRowsWhenTheyMove) {
    CellStore store(10);
    Selection& sel = store.GetSelection();
    sel.AddRow(2);
    sel.AddRow(7);
    sel.Add({4, 0, 6, 31});
    store.DeleteRows(5, 1);  // rows 4..6 shrink to 4..5, row 7 moves to 6
    for (int row : {2, 4, 5, 6})
        EXPECT_TRUE(sel.IsRowSelected(row)) << row;
    EXPECT_FALSE(sel.IsRowSelected(7));
    store.DeleteRows(2, 1);
    EXPECT_FALSE(sel.IsRowSelected(2));
    store.InsertRows(0, 2);
    EXPECT_TRUE(sel.IsRowSelected(5));
    EXPECT_FALSE(sel.IsRowSelected(3));
    sel.Clear();
    sel.Add({3, 0, 5, 31});
    store.InsertRows(5, 1);  // at the block's last row: the block grows over the new row
    EXPECT_TRUE(sel.IsRowSelected(6));
}
