#include "commands/commands.h"

#include <gtest/gtest.h>

#include <set>

using namespace lumo;

TEST(CommandTable, IdentifiersAreUniqueAndEveryToolIsACommand) {
    std::set<int> ids;
    for (const MenuItemSpec& item : MenuItems)
        EXPECT_TRUE(ids.insert(item.id).second) << item.id;
    for (const ContextItemSpec& item : ContextItems)
        EXPECT_TRUE(ids.insert(item.id).second);
    for (const ToolSpec& tool : Tools)
        EXPECT_EQ(ids.count(tool.id), 1u) << tool.shortHelp;
}

TEST(ContextMenu, ClicksAreClassifiedWithZeroCountingAsTheCorner) {
    EXPECT_EQ(ClassifyClick(-5, -5), ClickArea::Corner);
    EXPECT_EQ(ClassifyClick(-5, 30), ClickArea::RowLabel);
    EXPECT_EQ(ClassifyClick(30, -5), ClickArea::ColumnLabel);
    EXPECT_EQ(ClassifyClick(30, 30), ClickArea::Cells);
    EXPECT_EQ(ClassifyClick(0, 30), ClickArea::Corner);
    EXPECT_EQ(ClassifyClick(-5, 0), ClickArea::Corner);
}

// What each place of a right click offers, by what the page says about the row or column.
TEST(ContextMenu, ItemsFollowTheClickedPlaceAndTheRow) {
    const std::vector<int> usedP25 = {ID_DEFAULT_ROW, ID_CREATE_SHADOW, ID_COPY_ROW,
                                      ID_PASTE_ROW,   ID_CLEAR_ROW,     ID_MARK_ROW,
                                      ID_INSERT_ROW,  ID_DELETE_ROW};
    std::vector<int> shadow = usedP25;
    shadow.erase(shadow.begin() + 1);
    const struct {
        const char* name;
        ContextMenuQuery query;
        std::vector<int> items;
    } cases[] = {
        {"default row", {ClickArea::RowLabel, 0}, {ID_LOAD_DEFAULT, ID_SAVE_DEFAULT}},
        {"empty row",
         {ClickArea::RowLabel, 7},
         {ID_DEFAULT_ROW, ID_PASTE_ROW, ID_INSERT_ROW, ID_DELETE_ROW}},
        {"empty guard row",
         {ClickArea::RowLabel, 7, 0, false, true},
         {ID_DEFAULT_ROW, ID_PASTE_ROW}},
        {"used P25 row", {ClickArea::RowLabel, 7, 0, true, false, true}, usedP25},
        {"shadow row", {ClickArea::RowLabel, 7, 0, true, false, true, true}, shadow},
        {"used P25 guard row",
         {ClickArea::RowLabel, 7, 0, true, true, true},
         {ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW, ID_CLEAR_ROW, ID_MARK_ROW}},
        {"used analog row",
         {ClickArea::RowLabel, 7, 0, false, false, true},
         {ID_DEFAULT_ROW, ID_COPY_ROW, ID_PASTE_ROW, ID_CLEAR_ROW, ID_MARK_ROW, ID_INSERT_ROW,
          ID_DELETE_ROW}},
        {"number column",
         {ClickArea::ColumnLabel, 0, 1},
         {ID_RENUMBER_TO_ROW, ID_RENUMBER_SEQUENCE}},
        {"flags column", {ClickArea::ColumnLabel, 0, 2}, {}},
        {"other column", {ClickArea::ColumnLabel, 0, 7}, {ID_DEFAULT_COL}},
        {"column, rows marked",
         {ClickArea::ColumnLabel, 0, 7, false, false, false, false, true},
         {ID_DEFAULT_COL, ID_DEFAULT_MARKED}},
        {"corner", {ClickArea::Corner}, {ID_DEFAULT_FILE}},
        {"cells", {ClickArea::Cells, 5, 5}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ContextMenuItemsFor(c.query), c.items) << c.name;
}
