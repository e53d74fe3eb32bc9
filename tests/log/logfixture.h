#pragma once
// A contest log on real files: the list record of contest 1 as the list table's working
// record, and its QSO log, to which the tests add QSOs.

#include <functional>
#include <memory>
#include <string>

#include "contest/contestrules.h"
#include "log/contlogalle.h"
#include "tables/contesttables.h"
#include "tables/tablesfixture.h"

class LogTest : public TablesTest {
 protected:
  static constexpr int32_t kContest = 1;

  void SetUp() override {
    TablesTest::SetUp();
    list_ = std::make_unique<TdbContest>(TdbContestBase::kList);
    qsos_ = std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, kContest);
    SetList('d');
  }
  void TearDown() override {
    qsos_.reset();
    list_.reset();
    TablesTest::TearDown();
  }

  // The list record of a contest log with the code, class byte, own DOK and own call.
  void SetList(char code, uint8_t category = 0, const std::string& ownDok = "Q01",
               const std::string& ownCall = "DL1ABC", uint8_t memberAnswer = 0) {
    TContestListRec r;
    r.SetNummer(kContest);
    r.SetTyp(code);
    r.SetCategory(category);
    r.SetDOK(ownDok);
    r.SetOwnCall(ownCall);
    r.SetMemberAnswer(memberAnswer);
    list_->SetListRec(r);
  }

  // The definition the rules table builds for the code and class.
  static TContestRec Def(char code, uint8_t classNumber = 1, const std::string& ownDok = "Q01") {
    TContestInputs in;
    in.Code = code;
    in.ClassNumber = classNumber;
    in.OwnDok = ownDok;
    in.OwnCall = "DL1ABC";
    in.OwnLocator = "JO43AA";
    return BuildContestDefinition(in);
  }

  // The list record (code and name, both reports editable, then tweaked) and an empty
  // configuration record of contest 1 on file, each added when the file lacks it, as the
  // log window reads them.
  void StoreWindowRecords(TdbContest& config, char code, const std::string& name,
                          const std::function<void(TContestListRec&)>& tweak) {
    TContestListRec r = list_->GetListRec();
    r.SetTyp(code);
    r.SetName(name);
    r.SetRstSentNotFixed(255);
    r.SetRstRcvdNotFixed(255);
    if (tweak) tweak(r);
    list_->SetListRec(r);
    if (!list_->FindNumber(kContest)) {
      list_->SetListRec(r);
      EXPECT_TRUE(list_->Add());
    }
    TContestConfigRec c;
    c.SetNummer(kContest);
    config.SetConfigRec(c);
    if (!config.FindNumber(kContest)) {
      config.SetConfigRec(c);
      EXPECT_TRUE(config.Add());
    }
  }

  // Stores the QSO (date and time made unique) and leaves it as the working record.
  int32_t Store(TContestQSORec q) {
    q.SetDatum(150000);
    q.SetZeit(++clock_);
    qsos_->SetQSORec(q);
    return qsos_->Add() ? qsos_->GetQSORec().Nummer() : 0;
  }

  TContLogAlle alle_;
  std::unique_ptr<TdbContest> list_;
  std::unique_ptr<TdbContest> qsos_;
  int32_t clock_ = 0;
};
