// The key map, the place of page rows in each view, header columns, the scroll-bar
// range and the selection with Shift ranges.
#include <Qt>

#include "browser/browfixture.h"
#include "browser/browgeometry.h"
#include "browser/browsekeys.h"
#include "browser/browselect.h"

namespace browtest {
namespace {

using namespace browgeometry;
using browsekeys::KeyToBrowseCommand;

TEST(BrowseKeys, PlainCtrlShiftAndAltFollowTheirTables) {
  struct TCase {
    int Key, Shift, Command;
  };
  const TCase cases[] = {
      {Qt::Key_Tab, 0, 179},    {Qt::Key_Return, 0, 3},  {Qt::Key_Enter, 0, 3},
      {Qt::Key_Escape, 0, 4},   {Qt::Key_PageUp, 0, 14}, {Qt::Key_PageDown, 0, 15},
      {Qt::Key_Up, 0, 12},      {Qt::Key_Down, 0, 13},   {Qt::Key_Insert, 0, 187},
      {Qt::Key_Delete, 0, 188}, {Qt::Key_F1, 0, 0},      {Qt::Key_F2, 0, 150},
      {Qt::Key_F10, 0, 158},    {Qt::Key_A, 0, 1001},    {Qt::Key_B, 0, 1002},
      {Qt::Key_C, 0, 0},        {Qt::Key_D, 0, 1003},    {Qt::Key_I, 0, 1008},
      {Qt::Key_J, 0, 0},        {Qt::Key_K, 0, 1010},    {Qt::Key_W, 0, 1022},
      {Qt::Key_X, 0, 0},        {Qt::Key_Y, 0, 0},       {Qt::Key_Z, 0, 1025},
      {Qt::Key_A, 4, 183},      {Qt::Key_E, 4, 149},     {Qt::Key_Q, 4, 199},
      {Qt::Key_V, 4, 142},      {Qt::Key_Z, 4, 185},     {Qt::Key_C, 4, 0},
      {Qt::Key_F1, 4, 169},     {Qt::Key_F10, 4, 178},   {Qt::Key_F1, 1, 141},
      {Qt::Key_F4, 1, 140},     {Qt::Key_F2, 1, 0},      {Qt::Key_A, 1, 0},
      {Qt::Key_A, 2, 0},        {Qt::Key_F4, 2, 0},      {Qt::Key_A, 5, 0},
      {Qt::Key_Plus, 0, 0},     {Qt::Key_Minus, 4, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeyToBrowseCommand(c.Key, c.Shift), c.Command) << c.Key << " " << c.Shift;
  EXPECT_EQ(KeyToBrowseCommand(Qt::Key_Plus, 0, true), 197);
  EXPECT_EQ(KeyToBrowseCommand(Qt::Key_Minus, 0, true), 198);
  EXPECT_EQ(browsekeys::ShiftState(Qt::ShiftModifier | Qt::ControlModifier), 5);
}

TEST(BrowGeometry, EachViewPlacesThePageRowsInItsOwnOrder) {
  // 20 visible rows, 3 visible columns, one fixed row and column.
  EXPECT_EQ(CellOfPageRow(kDetails, 1, 20, 3, 1, 1), (TCell{1, 1}));
  EXPECT_EQ(CellOfPageRow(kDetails, 20, 20, 3, 1, 1), (TCell{1, 20}));
  EXPECT_EQ(CellOfPageRow(kListe, 20, 20, 3, 1, 1), (TCell{1, 20}));
  EXPECT_EQ(CellOfPageRow(kListe, 21, 20, 3, 1, 1), (TCell{2, 1}));  // top of column two
  EXPECT_EQ(CellOfPageRow(kMiniatur, 3, 20, 3, 0, 1), (TCell{2, 1}));
  EXPECT_EQ(CellOfPageRow(kMiniatur, 4, 20, 3, 0, 1), (TCell{0, 2}));
  for (int mode : {kDetails, kListe, kMiniatur}) {
    const int rows = PageRowsOfView(mode, 20, 3);
    for (int i = 1; i <= rows; ++i)
      EXPECT_EQ(PageRowOfCell(mode, CellOfPageRow(mode, i, 20, 3, 1, 1), 20, 3, 1, 1), i);
  }
  EXPECT_EQ(PageRowOfCell(kDetails, {3, 0}, 20, 3, 1, 1), 0);  // header
  EXPECT_EQ(PageRowOfCell(kListe, {4, 1}, 20, 3, 1, 1), 0);    // right of the page
  EXPECT_EQ(PageRowsOfView(kDetails, 20, 3), 20);
  EXPECT_EQ(PageRowsOfView(kListe, 20, 3), 60);
  EXPECT_EQ(StepRows(kListe, 20, 3), 20);
  EXPECT_EQ(StepRows(kMiniatur, 20, 3), 3);
  EXPECT_EQ(VisibleRows(230, 20, 21), 10);
  EXPECT_EQ(VisibleRows(10, 20, 21), 1);
}

TEST(BrowGeometry, HeaderTextsBecomeColumnsAndRowTextsCells) {
  EXPECT_EQ(HeaderCaptions("Rufzeichen"), std::vector<std::string>{"Rufzeichen"});
  EXPECT_EQ(HeaderCaptions("Call;Band;"), (std::vector<std::string>{"Call", "Band"}));
  EXPECT_EQ(HeaderCaptions("Call;Band;Mode"), (std::vector<std::string>{"Call", "Band", "Mode"}));
  EXPECT_EQ(HeaderCaptions(""), std::vector<std::string>{""});
  EXPECT_EQ(SplitCells("DL1ABC;;20"), (std::vector<std::string>{"DL1ABC", "", "20"}));
  EXPECT_EQ(CaptionWidth("Band", 7), 35);
  EXPECT_EQ(ViewCaptions(kBitDetails | kBitListe | kBitMiniatur),
            (std::vector<std::string>{"Liste", "Details", "Miniaturansicht"}));
  EXPECT_EQ(ViewCaptions(kBitDetails), std::vector<std::string>{"Details"});
  EXPECT_EQ(ViewModeOfCaption("Miniaturansicht"), kMiniatur);
  EXPECT_EQ(ViewModeOfCaption("Liste"), kListe);
}

TEST(BrowGeometry, ScrollRangeFollowsTheRecordCount) {
  EXPECT_EQ(ScrollRange(0, 20), (TScrollRange{0, 19}));
  EXPECT_EQ(ScrollRange(-1, 20), (TScrollRange{0, 19}));  // a failed count: empty, never negative
  EXPECT_EQ(ScrollRange(1, 1), (TScrollRange{0, 1}));
  EXPECT_EQ(ScrollRange(2999, 10), (TScrollRange{2998, 9}));
  EXPECT_EQ(ScrollRange(3000, 10), (TScrollRange{247, 9}));
  EXPECT_EQ(ScrollRange(100000, 30), (TScrollRange{247, 29}));
}

TEST_F(BrowserTest, SelectionKeepsFreeSlotsAndShiftRangesFollowTheKeyOrder) {
  TkvBrowSelect sel;
  sel.Add(5);
  sel.Add(7);
  sel.Add(5);
  EXPECT_EQ(sel.Count(), 2);
  sel.Toggle(5);
  EXPECT_FALSE(sel.Find(5));
  sel.Add(9);  // takes the free slot
  EXPECT_EQ(sel.Refs(), (std::vector<int32_t>{9, 7}));
  sel.Remove(9);
  sel.Remove(7);
  EXPECT_FALSE(sel.Find(7));
  EXPECT_EQ(sel.Refs().size(), 0u);

  // Refs in the order added, keys in another order: DE=1 DA=2 DC=3 DB=4 DD=5.
  AddCalls({"DE", "DA", "DC", "DB", "DD"});
  TCallTable t(driver_);
  auto key = [](const std::string& call) {
    std::string k = call;
    k.resize(12, ' ');
    return k;
  };
  sel.SetAnchor(5, key("DD"));
  // Shift-click above the anchor: DB, DC, DD.
  ASSERT_TRUE(sel.AddRange(t, kCall, 4, key("DB")));
  EXPECT_EQ(sel.Refs(), (std::vector<int32_t>{4, 3, 5}));
  sel.Clear();
  sel.SetAnchor(2, key("DA"));
  ASSERT_TRUE(sel.AddRange(t, kCall, 3, key("DC")));
  EXPECT_EQ(sel.Refs(), (std::vector<int32_t>{2, 4, 3}));
  // Reading them back; a record gone meanwhile is passed over.
  ASSERT_TRUE(t.GotoRecord(4));
  ASSERT_TRUE(t.Delete());
  int32_t ref = 0;
  std::vector<int32_t> read;
  for (bool ok = sel.First(t, ref); ok; ok = sel.Next(t, ref)) read.push_back(ref);
  EXPECT_EQ(read, (std::vector<int32_t>{2, 3}));
  // A range whose far end vanished adds nothing.
  sel.Clear();
  sel.SetAnchor(2, key("DA"));
  EXPECT_FALSE(sel.AddRange(t, kCall, 4, key("DB")));
  EXPECT_EQ(sel.Count(), 0);
}

}  // namespace
}  // namespace browtest
