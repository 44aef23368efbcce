#include "commands/commands.h"
#include "util/version.h"

#include <gtest/gtest.h>

#include <set>

using namespace lumo;

TEST(CommandTable, IdentifiersAreUniqueAndSkipTheUnusedOnes) {
    std::set<int> ids;
    for (const MenuItemSpec& item : MenuItems)
        EXPECT_TRUE(ids.insert(item.id).second) << item.id;
    for (const ContextItemSpec& item : ContextItems)
        EXPECT_TRUE(ids.insert(item.id).second);
    for (int unused : {6009, 6010, 6017, 6023})
        EXPECT_EQ(ids.count(unused), 0u);
    for (const ToolSpec& tool : Tools)
        EXPECT_EQ(ids.count(tool.id), 1u) << tool.shortHelp;
}

TEST(CommandTable, MenusAppearInTheirOrder) {
    size_t menu = 0;
    for (const MenuItemSpec& item : MenuItems) {
        while (menu < MenuTitles.size() && wxString(item.menu) != MenuTitles[menu])
            ++menu;
        ASSERT_LT(menu, MenuTitles.size()) << item.label << " is out of menu order";
    }
}

TEST(ContextMenu, ClicksAreClassifiedWithZeroCountingAsTheCorner) {
    EXPECT_EQ(ClassifyClick(-5, -5), ClickArea::Corner);
    EXPECT_EQ(ClassifyClick(-5, 30), ClickArea::RowLabel);
    EXPECT_EQ(ClassifyClick(30, -5), ClickArea::ColumnLabel);
    EXPECT_EQ(ClassifyClick(30, 30), ClickArea::Cells);
    EXPECT_EQ(ClassifyClick(0, 30), ClickArea::Corner);
    EXPECT_EQ(ClassifyClick(-5, 0), ClickArea::Corner);
}

TEST(ContextMenu, DefaultRowOffersOnlyItsOwnCommands) {
    ContextMenuQuery q{ClickArea::RowLabel, 0};
    EXPECT_EQ(ContextMenuItemsFor(q), (std::vector<int>{ID_LOAD_DEFAULT, ID_SAVE_DEFAULT}));
}

TEST(ContextMenu, EmptyRowOffersDefaultAndPasteAndRowMoves) {
    ContextMenuQuery q{ClickArea::RowLabel, 7};
    EXPECT_EQ(ContextMenuItemsFor(q),
              (std::vector<int>{ID_DEFAULT_ROW, ID_PASTE_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));
    q.guardRow = true;
    EXPECT_EQ(ContextMenuItemsFor(q), (std::vector<int>{ID_DEFAULT_ROW, ID_PASTE_ROW}));
}

TEST(ContextMenu, UsedP25RowsOfferShadowsUnlessShadowOrGuard) {
    ContextMenuQuery q{ClickArea::RowLabel, 7};
    q.p25Page = true;
    q.rowUsed = true;
    std::vector<int> all = {ID_DEFAULT_ROW, ID_CREATE_SHADOW, ID_COPY_ROW,   ID_PASTE_ROW,
                            ID_CLEAR_ROW,   ID_MARK_ROW,      ID_INSERT_ROW, ID_DELETE_ROW};
    EXPECT_EQ(ContextMenuItemsFor(q), all);
    q.shadowRow = true;
    all.erase(all.begin() + 1);
    EXPECT_EQ(ContextMenuItemsFor(q), all);
    q.shadowRow = false;
    q.guardRow = true;
    EXPECT_EQ(ContextMenuItemsFor(q), (std::vector<int>{ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW,
                                                        ID_CLEAR_ROW, ID_MARK_ROW}));
    q.p25Page = false;
    q.guardRow = false;
    EXPECT_EQ(ContextMenuItemsFor(q),
              (std::vector<int>{ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW, ID_CLEAR_ROW,
                                ID_MARK_ROW, ID_INSERT_ROW, ID_DELETE_ROW}));
}

TEST(ContextMenu, ColumnLabelsAndCorner) {
    ContextMenuQuery q{ClickArea::ColumnLabel, 0, 1};
    EXPECT_EQ(ContextMenuItemsFor(q), (std::vector<int>{ID_RENUMBER_TO_ROW, ID_RENUMBER_SEQUENCE}));
    q.column = 2;
    EXPECT_TRUE(ContextMenuItemsFor(q).empty());
    q.column = 7;
    EXPECT_EQ(ContextMenuItemsFor(q), (std::vector<int>{ID_DEFAULT_COL}));
    q.rowsMarked = true;
    EXPECT_EQ(ContextMenuItemsFor(q), (std::vector<int>{ID_DEFAULT_COL, ID_DEFAULT_MARKED}));
    EXPECT_EQ(ContextMenuItemsFor({ClickArea::Corner}), (std::vector<int>{ID_DEFAULT_FILE}));
    EXPECT_TRUE(ContextMenuItemsFor({ClickArea::Cells, 5, 5}).empty());
}

TEST(AboutTexts, VersionAndToolkit) {
    EXPECT_EQ(FileFormatVersionText(), "R.C.4");
    EXPECT_TRUE(ToolkitVersionText().StartsWith("wxWidgets 3.2"));
    EXPECT_TRUE(ToolkitVersionText().EndsWith("-Unicode build"));
}
