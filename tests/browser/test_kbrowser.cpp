// The page buffer over a real table: bounds, both ends, scrolling, rereads, page size,
// positioning, row texts, the lock pauses of network mode and the scroll-bar mapping.
#include "browser/browfixture.h"
#include "foundation/recordbuf.h"
#include "foundation/strings.h"
#include "storage/dberror.h"
#include "storage/ifdriver.h"

namespace browtest {
namespace {

TEST_F(BrowserTest, FirstPageFillsFromTheLowBoundAndLeavesTheRestEmpty) {
  AddCalls({"DL1", "DA1", "DK2", "DB3"});
  auto b = Make(10);
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  EXPECT_TRUE(b->PageValid());
  EXPECT_EQ(Calls(*b), "DA1 DB3 DK2 DL1");
  EXPECT_EQ(Texts(*b, 5), "[DA1;2][DB3;4][DK2;3][DL1;1][]");
  EXPECT_EQ(b->Row(5).Ref, 0);
  EXPECT_EQ(b->CurrentRow(), 1);
  EXPECT_EQ(b->CurrentRef(), 2);
  // The same page again reports no change; a vanished record does.
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  EXPECT_FALSE(changed_);
  TCallTable t(driver_);
  ASSERT_TRUE(t.GotoRecord(4));
  ASSERT_TRUE(t.Delete());
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  EXPECT_TRUE(changed_);
  EXPECT_EQ(Texts(*b, 4), "[DA1;2][DK2;3][DL1;1][]");
}

TEST_F(BrowserTest, EmptyTablesAndRangesGiveAnEmptyPage) {
  auto empty = Make(5);
  EXPECT_EQ(empty->FirstPage(*owner_, changed_), 1);
  EXPECT_EQ(empty->LastPage(*owner_, changed_), 1);
  EXPECT_FALSE(empty->PageValid());
  EXPECT_EQ(empty->FilledRows(), 0);
  EXPECT_EQ(empty->CurrentRef(), 0);
  EXPECT_EQ(empty->CurrentKey(), "");

  AddCalls({"DA1", "DB1", "DC1"});
  auto above = Make(5, "DX", "DZ");
  EXPECT_EQ(above->FirstPage(*owner_, changed_), 1);
  EXPECT_EQ(above->LastPage(*owner_, changed_), 1);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(above->Row(i).Ref, 0);
  // A page that held rows is emptied with its texts when its range turns out empty.
  auto all = Make(5);
  ASSERT_EQ(all->FirstPage(*owner_, changed_), 0);
  all->SetRange(Key("E"), Key("F"));
  EXPECT_EQ(all->FirstPage(*owner_, changed_), 1);
  EXPECT_TRUE(changed_);
  EXPECT_EQ(Texts(*all, 3), "[][][]");
}

TEST_F(BrowserTest, PrefixBoundsAdmitEveryKeyThatBeginsWithThem) {
  AddNumbered(40);
  auto b = Make(20, "C01", "C01");
  EXPECT_TRUE(b->InRange("C019"));
  EXPECT_FALSE(b->InRange("C020"));
  EXPECT_FALSE(b->InRange("C009"));
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  EXPECT_EQ(Calls(*b), "C010 C011 C012 C013 C014 C015 C016 C017 C018 C019");
  ASSERT_EQ(b->LastPage(*owner_, changed_), 0);
  EXPECT_EQ(b->FilledRows(), 10);
  EXPECT_EQ(ToStrings::Trim(b->Row(1).Key), "C010");
  EXPECT_EQ(b->CurrentRow(), 10);
}

TEST_F(BrowserTest, LastPageShowsTheEndOfTheRangeFromRowOne) {
  AddNumbered(12);
  auto few = Make(20);
  ASSERT_EQ(few->LastPage(*owner_, changed_), 0);
  EXPECT_EQ(few->FilledRows(), 12);
  EXPECT_EQ(few->CurrentRow(), 12);
  EXPECT_EQ(few->CurrentRef(), 12);
  auto full = Make(5, "", "C010");
  ASSERT_EQ(full->LastPage(*owner_, changed_), 0);
  EXPECT_EQ(Calls(*full), "C006 C007 C008 C009 C010");
  EXPECT_EQ(full->CurrentRow(), 5);
}

TEST_F(BrowserTest, ScrollingShiftsThePageAndStopsAtBothEnds) {
  AddNumbered(10);
  auto b = Make(4);
  int moved = 0;
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  ASSERT_EQ(b->ScrollForward(*owner_, 3, 2, moved, changed_), 0);
  EXPECT_EQ(moved, 3);
  EXPECT_EQ(Calls(*b), "C004 C005 C006 C007");
  EXPECT_EQ(b->CurrentRow(), 2);  // the first row taken
  EXPECT_EQ(Texts(*b, 1), "[C004;4]");
  // Up to the end: only what is left is taken.
  ASSERT_EQ(b->ScrollForward(*owner_, 10, 0, moved, changed_), 0);
  EXPECT_EQ(moved, 3);
  EXPECT_EQ(Calls(*b), "C007 C008 C009 C010");
  // At the end nothing moves and the current row goes to the last filled row.
  EXPECT_EQ(b->ScrollForward(*owner_, 1, 1, moved, changed_), 1);
  EXPECT_EQ(moved, 0);
  EXPECT_EQ(b->CurrentRow(), 4);
  EXPECT_EQ(Calls(*b), "C007 C008 C009 C010");
  // The next step re-reads the page first and says so.
  ASSERT_EQ(b->ScrollBackward(*owner_, 2, 2, moved, changed_), 0);
  EXPECT_TRUE(b->Reloaded());
  EXPECT_EQ(Calls(*b), "C005 C006 C007 C008");
  EXPECT_EQ(b->CurrentRow(), 2);
  ASSERT_EQ(b->ScrollBackward(*owner_, 9, 0, moved, changed_), 0);
  EXPECT_FALSE(b->Reloaded());
  EXPECT_EQ(moved, 4);
  EXPECT_EQ(Calls(*b), "C001 C002 C003 C004");
  EXPECT_EQ(b->ScrollBackward(*owner_, 1, 1, moved, changed_), 1);
  EXPECT_EQ(b->CurrentRow(), 1);
}

TEST_F(BrowserTest, ScrollingFillsEmptyRowsBeforeShifting) {
  AddNumbered(3);
  auto b = Make(4);
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  AddCalls({"C004", "C005", "C006"});
  int moved = 0;
  ASSERT_EQ(b->ScrollForward(*owner_, 1, 2, moved, changed_), 0);
  EXPECT_EQ(Calls(*b), "C001 C002 C003 C004");
  EXPECT_EQ(b->CurrentRow(), 4);
  ASSERT_EQ(b->ScrollForward(*owner_, 2, 0, moved, changed_), 0);
  EXPECT_EQ(Calls(*b), "C003 C004 C005 C006");
  EXPECT_EQ(Texts(*b, 4), "[C003;3][C004;4][C005;5][C006;6]");
}

TEST_F(BrowserTest, RereadFindsTheNextThenThePreviousKeyWhenTheCurrentRecordVanished) {
  AddNumbered(6);
  auto b = Make(3, "", "C005");
  ASSERT_EQ(b->LastPage(*owner_, changed_), 0);  // C003 C004 C005, current row 3
  b->SetCurrentRow(2);
  TCallTable t(driver_);
  auto erase = [&](int32_t ref) {
    ASSERT_TRUE(t.GotoRecord(ref));
    ASSERT_TRUE(t.Delete());
  };
  erase(4);
  ASSERT_EQ(b->Reread(*owner_, changed_), 0);
  EXPECT_EQ(Calls(*b), "C002 C003 C005");
  EXPECT_EQ(b->CurrentRef(), 5);
  EXPECT_EQ(b->CurrentRow(), 3);
  // No next key inside the range: the previous one.
  erase(5);
  ASSERT_EQ(b->Reread(*owner_, changed_), 0);
  EXPECT_EQ(Calls(*b), "C001 C002 C003");
  EXPECT_EQ(b->CurrentRef(), 3);
  // Nothing left in the range: an empty page.
  for (int32_t ref : {1, 2, 3}) erase(ref);
  EXPECT_EQ(b->Reread(*owner_, changed_), 1);
  EXPECT_TRUE(changed_);
  EXPECT_EQ(b->FilledRows(), 0);
  EXPECT_EQ(Texts(*b, 3), "[][][]");
  EXPECT_EQ(b->CurrentRow(), 1);
}

TEST_F(BrowserTest, GrowAndShrinkKeepTheCurrentRecordOnThePage) {
  AddNumbered(10);
  auto b = Make(4);
  ASSERT_EQ(b->LastPage(*owner_, changed_), 0);  // C007 .. C010
  ASSERT_EQ(b->GrowPage(*owner_, 6, changed_), 0);
  // The range ended below, so the new rows came in above.
  EXPECT_EQ(Calls(*b), "C005 C006 C007 C008 C009 C010");
  EXPECT_EQ(b->CurrentRow(), 6);
  EXPECT_EQ(b->RowsOnPage(), 6);
  ASSERT_EQ(b->ShrinkPage(*owner_, 3, changed_), 0);
  EXPECT_EQ(Calls(*b), "C008 C009 C010");
  EXPECT_EQ(b->CurrentRow(), 3);
  EXPECT_EQ(b->CurrentRef(), 10);
  EXPECT_EQ(Texts(*b, 4), "[C008;8][C009;9][C010;10][]");
  // Values outside 1 .. capacity leave the page alone.
  EXPECT_EQ(b->GrowPage(*owner_, 251, changed_), 0);
  EXPECT_EQ(b->ShrinkPage(*owner_, 0, changed_), 0);
  EXPECT_EQ(b->RowsOnPage(), 3);
  EXPECT_EQ(Calls(*b), "C008 C009 C010");
  // Growing at the start fills below.
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  ASSERT_EQ(b->GrowPage(*owner_, 5, changed_), 0);
  EXPECT_EQ(Calls(*b), "C001 C002 C003 C004 C005");
  EXPECT_EQ(b->CurrentRow(), 1);
}

TEST_F(BrowserTest, PositionAtPlacesTheRecordAtTheAskedRowAndClampsToTheRange) {
  AddNumbered(20);
  auto b = Make(5, "C005", "C015");
  ASSERT_EQ(b->PositionAt(*owner_, "C010", 10, 0, 5, 3, changed_), 0);
  EXPECT_EQ(Calls(*b), "C008 C009 C010 C011 C012");
  EXPECT_EQ(b->CurrentRef(), 10);
  // Near the start of the range fewer rows exist above; the page is still filled.
  ASSERT_EQ(b->PositionAt(*owner_, "C006", 6, 0, 5, 4, changed_), 0);
  EXPECT_EQ(Calls(*b), "C005 C006 C007 C008 C009");
  EXPECT_EQ(b->CurrentRow(), 2);
  // Near the end the rows below run out and more come in above.
  ASSERT_EQ(b->PositionAt(*owner_, "C014", 14, 0, 5, 2, changed_), 0);
  EXPECT_EQ(Calls(*b), "C011 C012 C013 C014 C015");
  EXPECT_EQ(b->CurrentRow(), 4);
  ASSERT_EQ(b->PositionAt(*owner_, "A", 0, 0, 5, 1, changed_), 0);
  EXPECT_EQ(b->CurrentRef(), 5);
  ASSERT_EQ(b->PositionAt(*owner_, "Z", 0, 0, 5, 5, changed_), 0);
  EXPECT_EQ(b->CurrentRef(), 15);
  EXPECT_EQ(Calls(*b), "C011 C012 C013 C014 C015");
  // The walked index can be switched on the way.
  ASSERT_EQ(b->PositionAt(*owner_, keycodec::LongKey(3), 3, kNumber, 4, 1, changed_), 1);
  b->SetRange(Key(""), Key(""));
  ASSERT_EQ(b->PositionAt(*owner_, keycodec::LongKey(3), 3, kNumber, 4, 1, changed_), 0);
  EXPECT_EQ(b->KeyNr(), kNumber);
  EXPECT_EQ(Texts(*b, 2), "[C003;3][C004;4]");
}

TEST_F(BrowserTest, AnUnreadableRowIsMarkedAndTheRowsBelowShowTheirOwnRecords) {
  AddNumbered(8);
  auto b = Make(4);
  ASSERT_EQ(b->FirstPage(*owner_, changed_), 0);
  TCallTable t(driver_);
  ASSERT_TRUE(t.GotoRecord(3));
  ASSERT_TRUE(t.Delete());
  int moved = 0;
  // Row 3 (C003) still holds the entry while the page shifts by one.
  EXPECT_EQ(b->ScrollForward(*owner_, 1, 0, moved, changed_), 1);
  EXPECT_EQ(Calls(*b), "C002 C003 C004 C005");
  EXPECT_EQ(b->Row(2).Status, -1);
  EXPECT_EQ(b->Row(2).Text, TKBrowser::UnreadableText());
  EXPECT_EQ(b->Row(2).Ref, 3);
  EXPECT_EQ(Texts(*b, 4), "[C002;2][" + TKBrowser::UnreadableText() + "][C004;4][C005;5]");
  EXPECT_FALSE(b->PageValid());
  // The next step re-reads and the entry is gone.
  ASSERT_EQ(b->ScrollForward(*owner_, 1, 0, moved, changed_), 0);
  EXPECT_TRUE(b->Reloaded());
  EXPECT_EQ(Calls(*b), "C004 C005 C006 C007");
}

// A record whose read fails with an engine error.
class TFailingBrowser : public TKBrowser {
 public:
  using TKBrowser::TKBrowser;
  int32_t FailRef = 0;

 protected:
  int ReadRow(int32_t ref) override { return ref == FailRef ? 3 : TKBrowser::ReadRow(ref); }
};

TEST_F(BrowserTest, AnEngineErrorLeavesTheRowsFromTheFailedOneBlankNotWithOtherTexts) {
  AddNumbered(8);
  TFailingBrowser b(driver_, false, Key(""), Key(""), kCall, 250);
  ASSERT_EQ(b.ShrinkPage(*owner_, 4, changed_), 0);
  ASSERT_EQ(b.FirstPage(*owner_, changed_), 0);
  b.FailRef = 3;
  int moved = 0;
  EXPECT_EQ(b.ScrollForward(*owner_, 1, 0, moved, changed_), 3);
  EXPECT_FALSE(b.PageValid());
  EXPECT_EQ(Calls(b), "C002 C003 C004 C005");
  // No row shows the text of the record that stood in its place before the shift.
  EXPECT_EQ(Texts(b, 4), "[C002;2][][][]");
  for (int row = 2; row <= 4; ++row) EXPECT_EQ(b.Row(row).Status, -1) << row;
  // The next step reads the page again.
  b.FailRef = 0;
  ASSERT_EQ(b.Reread(*owner_, changed_), 0);
  EXPECT_EQ(Texts(b, 4), "[C002;2][C003;3][C004;4][C005;5]");
}

// Counts the lock pauses and whether the lock is held during the walk.
class TPausingBrowser : public TKBrowser {
 public:
  using TKBrowser::TKBrowser;
  int Pauses = 0;

 protected:
  int PauseFileLock() override {
    ++Pauses;
    return TKBrowser::PauseFileLock();
  }
};

class TLockWatch : public TTextOwner {
 public:
  using TTextOwner::TTextOwner;
  IFDriver* Driver = nullptr;
  int Unlocked = 0;
  bool HasFilter() const override { return true; }
  int PerformFilter(RowRec&, bool& use) override {
    if (Driver->FileLockHeld() == 0) ++Unlocked;
    use = true;
    return 0;
  }
};

TEST_F(BrowserTest, NetworkModeHoldsTheLockAndPausesItEvery64Keys) {
  Open(true);
  AddNumbered(210);
  TLockWatch watch(driver_);
  watch.Driver = driver_->Driver();
  TPausingBrowser shared(driver_, false, Key(""), Key(""), kCall, 250);
  EXPECT_TRUE(shared.NetworkMode());
  ASSERT_EQ(shared.ShrinkPage(watch, 200, changed_), 0);
  shared.Pauses = 0;
  ASSERT_EQ(shared.FirstPage(watch, changed_), 0);
  EXPECT_EQ(shared.FilledRows(), 200);
  EXPECT_EQ(shared.Pauses, 3);
  EXPECT_EQ(watch.Unlocked, 0);
  EXPECT_EQ(watch.Driver->FileLockHeld(), 0);  // released after the operation

  Open(false);
  TLockWatch local(driver_);
  local.Driver = driver_->Driver();
  TPausingBrowser single(driver_, false, Key(""), Key(""), kCall, 250);
  EXPECT_FALSE(single.NetworkMode());
  ASSERT_EQ(single.ShrinkPage(local, 200, changed_), 0);
  ASSERT_EQ(single.FirstPage(local, changed_), 0);
  EXPECT_EQ(single.Pauses, 0);
}

// Passes only even numbers and builds their texts during the walk.
class TEvenFilter : public TTextOwner {
 public:
  using TTextOwner::TTextOwner;
  bool HasFilter() const override { return true; }
  int PerformFilter(RowRec& row, bool& use) override {
    const int n = std::stoi(row.Key.substr(1));
    use = n % 2 == 0;
    if (n == 4) {
      row.Text = "vier";
      row.TextBuilt = true;
    }
    return 0;
  }
};

TEST_F(BrowserTest, TheFilterPassesKeysOverAndMayBuildTextsWhileWalking) {
  AddNumbered(9);
  TEvenFilter even(driver_);
  auto b = Make(3);
  ASSERT_EQ(b->FirstPage(even, changed_), 0);
  EXPECT_EQ(Calls(*b), "C002 C004 C006");
  EXPECT_EQ(Texts(*b, 3), "[C002;2][vier][C006;6]");
  EXPECT_EQ(even.Built, 2);
  ASSERT_EQ(b->LastPage(even, changed_), 0);
  EXPECT_EQ(Calls(*b), "C004 C006 C008");
  // C005 is passed over: the page stands on C006 and is filled from above.
  ASSERT_EQ(b->PositionAt(even, "C005", 5, 0, 3, 1, changed_), 0);
  EXPECT_EQ(Calls(*b), "C004 C006 C008");
  EXPECT_EQ(b->CurrentRef(), 6);
}

// Marks every key as never to be read: its text comes from the key alone.
class TKeyOnly : public TKBrowserOwner {
 public:
  bool HasFilter() const override { return true; }
  int PerformFilter(RowRec& row, bool& use) override {
    row.Status = -10;
    use = true;
    return 0;
  }
  void BuildRow(RowRec& row) override { row.Text = "key " + ToStrings::Trim(row.Key); }
};

TEST_F(BrowserTest, RowsMarkedNeverReadAreBuiltFromTheirKeys) {
  AddNumbered(3);
  TKeyOnly keys;
  auto b = Make(2);
  ASSERT_EQ(b->FirstPage(keys, changed_), 0);
  EXPECT_EQ(Texts(*b, 2), "[key C001][key C002]");
  EXPECT_EQ(b->Row(1).Status, -10);
}

TEST_F(BrowserTest, AMissingDriverCannotMakeAPageBuffer) {
  try {
    TKBrowser b(nullptr, false, Key(""), Key(""), kCall, 250);
    FAIL();
  } catch (const EConstructorInvalid& e) {
    EXPECT_STREQ(e.what(), "Datenbank kann nicht geöffnet werden!");
  }
}

TEST_F(BrowserTest, KeepPositionLeavesTheDriverOnItsRecord) {
  AddNumbered(5);
  TCallTable t(driver_);
  ASSERT_TRUE(driver_->ReadByRef(2));
  ASSERT_EQ(driver_->CurrentRef(), 2);
  TKBrowser b(driver_, true, Key(""), Key(""), kCall, 250);
  ASSERT_EQ(b.LastPage(*owner_, changed_), 0);
  EXPECT_EQ(driver_->CurrentRef(), 2);
}

TEST_F(BrowserTest, ThumbPositionsMapTheEndsAndComeBackToTheirRecord) {
  auto b = Make(5);
  std::string key;
  int32_t ref = 0;
  EXPECT_EQ(b->RecordToThumb("", 0, 247), 0);
  EXPECT_FALSE(b->ThumbToRecord(100, 247, key, ref));
  AddNumbered(500);
  EXPECT_EQ(b->RecordToThumb("C001        ", 1, 247), 0);
  EXPECT_EQ(b->RecordToThumb("C500        ", 500, 247), 247);
  ASSERT_TRUE(b->ThumbToRecord(0, 247, key, ref));
  EXPECT_EQ(ref, 1);
  ASSERT_TRUE(b->ThumbToRecord(247, 247, key, ref));
  EXPECT_EQ(ref, 500);
  for (int32_t t : {1, 50, 123, 200, 246}) {
    ASSERT_TRUE(b->ThumbToRecord(t, 247, key, ref));
    EXPECT_NEAR(b->RecordToThumb(key, ref, 247), t, 1) << t;
  }
}

}  // namespace
}  // namespace browtest
