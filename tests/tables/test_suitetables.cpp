#include <gtest/gtest.h>

#include "tables/calltables.h"
#include "tables/projecttables.h"
#include "tablesfixture.h"

namespace {

class SuiteTables : public TablesTest {};

TEST_F(SuiteTables, CallBookKeepsOneRecordPerCallAndRefusesAnEmptyCall) {
  TdbCall book(TdbCallBase::kCallBook);
  ASSERT_TRUE(book.IsOpen());
  EXPECT_TRUE(FileExists("BM5CALL.db"));
  book.ClearRecords();
  book.SetName("Hans");
  EXPECT_FALSE(book.Add());  // no call
  book.SetCall("   ");
  EXPECT_FALSE(book.Add());
  EXPECT_EQ(book.RecordCount(), 0);

  book.ClearRecords();
  book.SetCall("DL1ABC");
  book.SetDOK("Q01");
  book.SetName("Hans");
  book.SetQTH("Saarbrücken");
  ASSERT_TRUE(book.Add());
  book.ClearRecords();
  book.SetCall("DL1ABC");
  EXPECT_FALSE(book.Add());  // the call is there already
  book.ClearRecords();
  book.SetCall("DL1ABCDEFGHIJ");  // cut to 10
  ASSERT_TRUE(book.Add());

  EXPECT_TRUE(book.FindCall("DL1ABC"));
  EXPECT_EQ(book.GetDOK(), "Q01");
  EXPECT_EQ(book.GetQTH(), "Saarbrücken");
  EXPECT_EQ(book.GetField10(), "");
  book.SetDIG("1234");
  ASSERT_TRUE(book.Modify());
  EXPECT_FALSE(book.FindCall("DL1AB"));
  EXPECT_TRUE(book.FindCall("DL1ABCDEFGXYZ"));  // the same first ten characters
  EXPECT_TRUE(book.FindCall("DL1ABC"));
  EXPECT_EQ(book.GetDIG(), "1234");
  book.SetCall("");
  EXPECT_FALSE(book.Modify());

  TdbCall data(TdbCallBase::kCallData);
  EXPECT_TRUE(FileExists("BM5CBUCH.db"));
  EXPECT_FALSE(data.FindCall("DL1ABC"));  // a file of its own
  EXPECT_EQ(data.GetName(), "");
}

TEST_F(SuiteTables, CallListFileIsHeldOpen) {
  ASSERT_TRUE(ToDatCall::OpenFiles(ToDatCall::kCallListFile));
  EXPECT_TRUE(FileExists("BMCCL.db"));
  ToDatCall::CloseFiles(ToDatCall::kCallListFile);
  ToDatCall::CloseFiles(ToDatCall::kCallListFile);  // nothing held: nothing happens
}

TEST_F(SuiteTables, SuiteLogbookFindsCallsRegardlessOfCase) {
  auto log = TdbQSO::CreateForLog(2);
  EXPECT_TRUE(FileExists("BMQS0002.db"));
  int32_t t = 0;
  for (const char* call : {"dl1xyz", "DL1ABC", "OK1AA"}) {
    TSuiteQSORec r;
    r.SetCall(call);
    r.SetDXCC("DL");
    r.SetName("Name " + std::string(call));
    r.SetQTH("QTH");
    r.SetZeit(++t);
    log->SetQSORec(r);
    ASSERT_TRUE(log->Add());
  }
  ASSERT_TRUE(log->FindCall("dl1b"));
  EXPECT_EQ(log->GetFieldText(TdbQSO::kFieldCall), "dl1xyz");
  ASSERT_TRUE(log->FindCall("DL1"));
  EXPECT_EQ(log->GetFieldText(TdbQSO::kFieldCall), "DL1ABC");
  EXPECT_EQ(log->GetFieldText(TdbQSO::kFieldDxcc), "DL");
  EXPECT_EQ(log->GetFieldText(TdbQSO::kFieldName), "Name DL1ABC");
  EXPECT_EQ(log->GetFieldText(TdbQSO::kFieldQth), "QTH");
  EXPECT_EQ(log->GetFieldText(7), "");
  EXPECT_FALSE(log->FindCall("PA"));
}

}  // namespace
