#include <gtest/gtest.h>

#include <fstream>

#include "contest/exchangesplit.h"
#include "logfixture.h"
#include "tables/calltables.h"

namespace {

class MemberLists : public LogTest {
 protected:
  void Write(const std::string& file, const std::string& text) {
    std::ofstream(dir_.File(file), std::ios::binary) << text;
  }
  // The received exchange and Call2 after the fill for a QSO with the call in contest code.
  std::string Fill(char code, const std::string& call, const std::string& received = "599") {
    SetList(code);
    def_ = Def(code);
    TContestQSORec q;
    q.SetCall(call);
    exchangesplit::SplitReceivedExchange(received, q);
    qsos_->SetQSORec(q);
    locator_ = window_->FillFromMemberLists(def_, *list_, *qsos_);
    const TContestQSORec after = qsos_->GetQSORec();
    return exchangesplit::ReceivedExchangeText(after) + "|" + after.Call2();
  }
  void AddCall(int fileType, const std::string& call, const std::string& dok,
               const std::string& locator, const std::string& mf, const std::string& name = "") {
    TdbCall t(fileType);
    TCallRec r;
    r.SetCall(call);
    r.SetDOK(dok);
    r.SetLocator(locator);
    r.SetMF(mf);
    r.SetName(name);
    r.SetDIG("4711");
    t.Work().assign(r.Data(), r.Data() + r.Size());
    ASSERT_TRUE(t.Add());
  }
  // A log window of another contest: its lists are loaded afresh.
  void NewWindow() { window_ = std::make_unique<TContLogAlle>(); }
  std::unique_ptr<TContLogAlle> window_ = std::make_unique<TContLogAlle>();
  TContestRec def_;
  std::string locator_;
};

TEST_F(MemberLists, ListValuesGoToTheReceivedField) {
  Write("naval.csv", "123;DL1ABC\n");
  Write("qcwa.csv", "DL1ABC;x;4711\nDL2ABC;y;OP12\n");
  Write("hsc.csv", "DL1ABC;1234\nDL2ABC;OP\n");
  Write("ibfd.csv", "DL1ABC;x;0815\n");
  Write("dsw.csv", "DL1ABC;Hans;;;K56\nDL2ABC;Otto;;D12\n");
  EXPECT_EQ(Fill('i', "DL1ABC/P"), "599MF123|");
  EXPECT_EQ(Fill('i', "DL2ABC"), "599|");
  NewWindow();
  EXPECT_EQ(Fill('k', "DL1ABC"), "5994711|4711");
  EXPECT_EQ(Fill('k', "DL2ABC"), "599|");  // "OP" is no member number
  NewWindow();
  EXPECT_EQ(Fill('6', "DL1ABC"), "5991234|");
  EXPECT_EQ(Fill('6', "DL2ABC"), "599NM|");
  EXPECT_EQ(Fill('6', "DL9ABC"), "599NM|");
  NewWindow();
  EXPECT_EQ(Fill('n', "DL1ABC"), "5990815|0815");
  NewWindow();
  EXPECT_EQ(Fill('p', "DL1ABC"), "599K56|");
  EXPECT_EQ(qsos_->GetQSORec().NameQth(), "Hans");
  TContestQSORec q;
  q.SetCall("DL2ABC");
  q.SetNameQth("Fritz;Hamburg");
  qsos_->SetQSORec(q);
  window_->FillFromMemberLists(def_, *list_, *qsos_);
  EXPECT_EQ(qsos_->GetQSORec().NameQth(), "Otto;Hamburg");
  EXPECT_EQ(exchangesplit::ReceivedExchangeText(qsos_->GetQSORec()), "   D12");
}

TEST_F(MemberLists, EachWindowLoadsItsListsOnceAndKeepsWhatWasAdded) {
  Write("hsc.csv", "DL1ABC;1234\n");
  Write("naval.csv", "123;DL1ABC\n");
  EXPECT_TRUE(window_->OpenMemberList("hsc.csv", 1));
  EXPECT_FALSE(window_->OpenMemberList("hsc.csv", 1));
  EXPECT_FALSE(window_->OpenMemberList("naval.csv", 1));  // list 1 is taken
  EXPECT_EQ(window_->FindInMemberList("naval.csv", "DL1ABC", 1), 0);
  window_->AddToMemberList("777", "hsc.csv", 1, 3, "DL7XYZ/P");
  window_->AddToMemberList("999", "hsc.csv", 1, 3, "DL1ABC");  // listed: nothing changes
  EXPECT_EQ(Fill('6', "DL7XYZ"), "599777|");
  EXPECT_EQ(Fill('6', "DL1ABC"), "5991234|");
  EXPECT_EQ(window_->MemberListColumn(1, 2, 1), "");

  TContLogAlle naval;
  naval.AddToMemberList("MF55", "naval.csv", 1, 3, "DL8XYZ");
  naval.AddToMemberList("66", "naval.csv", 1, 3, "DL1ABC");
  SetList('i');
  TContestQSORec q;
  q.SetCall("DL8XYZ");
  qsos_->SetQSORec(q);
  naval.FillFromMemberLists(Def('i'), *list_, *qsos_);
  EXPECT_EQ(exchangesplit::ReceivedExchangeText(qsos_->GetQSORec()), "   MF55");
  q.SetCall("DL1ABC");
  qsos_->SetQSORec(q);
  naval.FillFromMemberLists(Def('i'), *list_, *qsos_);
  EXPECT_EQ(exchangesplit::ReceivedExchangeText(qsos_->GetQSORec()), "   MF123");

  // The file is never rewritten.
  std::ifstream in(dir_.File("hsc.csv"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "DL1ABC;1234\n");
}

TEST_F(MemberLists, TwoListsOfOneContest) {
  Write("mrr.csv", "DL1ABC;12\n");
  Write("mrr-rig.csv", "DL1ABC;IC7300\n");
  EXPECT_EQ(Fill('v', "DL1ABC", "599"), "59912/IC7300|");
  EXPECT_EQ(window_->FindInMemberList("other.csv", "DL1ABC", 1), 0);  // still mrr.csv
  EXPECT_EQ(window_->MemberListColumn(2, 0, 2), "IC7300");
}

TEST_F(MemberLists, DswValuesAndMissingFiles) {
  Write("dsw.csv", "DL1ABC;Hans;x;D12\nDL2ABC;Otto;;;K56\n");
  EXPECT_TRUE(window_->FindInDswList(" D12 "));
  EXPECT_FALSE(window_->FindInDswList("K56"));
  EXPECT_FALSE(window_->FindInDswList(""));
  TContLogAlle none;
  // Without "hsc.csv" the member number typed stays: no list, so no "NM".
  NewWindow();
  EXPECT_EQ(Fill('6', "DL1ABC", "5991234"), "5991234|");
  EXPECT_EQ(none.FindInMemberList("qcwa.csv", "DL1ABC", 1), -1);
  EXPECT_FALSE(none.FindInDswList("D12"));
  EXPECT_EQ(none.FindInMemberList("qcwa.csv", "DL1ABC", 3), -1);
}

TEST_F(MemberLists, CallBookBeforeCallDataBeforeTheLists) {
  AddCall(TdbCallBase::kCallBook, "DL1ABC", "B12", "JO43AB", "", "Hans");
  AddCall(TdbCallBase::kCallData, "DL1ABC", "C34", "JO00AA", "77", "Otto");
  AddCall(TdbCallBase::kCallData, "DL2ABC", "C34", "JN39AA", "MF0", "Emil");
  AddCall(TdbCallBase::kCallBook, "DL2ABC", "", "", "MF0", "");
  EXPECT_EQ(Fill('d', "DL1ABC/P", ""), "   B12|");
  EXPECT_EQ(Fill('d', "DL2ABC", ""), "   C34|");
  EXPECT_EQ(Fill('d', "OK1ABC", ""), "|");  // no German call: no DOK looked up
  NewWindow();
  EXPECT_EQ(Fill('i', "DL1ABC", "599"), "599MF77|MF77");
  EXPECT_EQ(Fill('i', "DL2ABC", "599"), "599MF0|MF0");  // the call data's value stands
  EXPECT_EQ(Fill('7', "DL1ABC", "599"), "5994711|4711");
  EXPECT_EQ(Fill('e', "DL1ABC", ""), "   /JO43/B12|");
  EXPECT_EQ(locator_, "JO43AB");
  EXPECT_EQ(Fill('e', "DL9XYZ", ""), "|");
  EXPECT_EQ(locator_, "");
}

TEST_F(MemberLists, ReceivedFieldOfAKind) {
  TContestRec def;
  def.ReceivedKinds[1] = 7;
  def.ReceivedKinds[2] = 19;
  def.ReceivedKinds[3] = 99;
  TContestQSORec q;
  exchangesplit::SplitReceivedExchange("599012//X", q);
  qsos_->SetQSORec(q);
  TContLogAlle::SetReceivedField("MF1", 19, true, def, *qsos_);
  EXPECT_EQ(exchangesplit::ReceivedExchangeText(qsos_->GetQSORec()), "599012/MF1/X");
  EXPECT_EQ(qsos_->GetQSORec().Call2(), "MF1");
  TContLogAlle::SetReceivedField("Y", 99, false, def, *qsos_);
  EXPECT_EQ(exchangesplit::ReceivedExchangeText(qsos_->GetQSORec()), "599012/MF1/Y");
  TContLogAlle::SetReceivedField("Z", 16, false, def, *qsos_);  // no such field
  EXPECT_EQ(exchangesplit::ReceivedExchangeText(qsos_->GetQSORec()), "599012/MF1/Y");
}

}  // namespace
