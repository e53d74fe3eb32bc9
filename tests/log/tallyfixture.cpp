#include "tallyfixture.h"

#include "contest/contestrules.h"
#include "foundation/daynumber.h"
#include "tables/contestkeys.h"

namespace tallytest {

void TallyLogTest::TearDown() {
  state_.reset();
  logCommon_.reset();
  qso_.reset();
  config_.reset();
  list_.reset();
  TablesTest::TearDown();
}

void TallyLogTest::MakeContest(char code, const std::string& ownDok, const std::string& ownCall,
                               uint8_t classNumber) {
  list_ = std::make_unique<TdbContest>(TdbContestBase::kList);
  TContestListRec l;
  l.SetTyp(code);
  l.SetName("Testlog");
  l.SetDatumVon(daynumber::FromYMD(2026, 3, 18));
  l.SetDOK(ownDok);
  l.SetOwnCall(ownCall);
  l.SetCategory(classNumber);
  list_->SetListRec(l);
  ASSERT_TRUE(list_->Add());
  const int32_t number = list_->GetListRec().Nummer();
  {
    TdbContest config(TdbContestBase::kConfig);
    TContestConfigRec c;
    c.SetNummer(number);
    config.SetConfigRec(c);
    ASSERT_TRUE(config.Add());
  }
  OpenContest(number);
}

void TallyLogTest::OpenContest(int32_t number) {
  number_ = number;
  if (!list_) list_ = std::make_unique<TdbContest>(TdbContestBase::kList);
  ASSERT_TRUE(list_->FindNumber(number_));
  config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  ASSERT_TRUE(config_->FindNumber(number_));
  const TContestListRec l = list_->GetListRec();
  TContestInputs in;
  in.Code = l.Typ();
  in.ClassNumber = l.Category();
  in.StartDate = l.DatumVon();
  in.OwnDok = l.DOK();
  in.OwnCall = l.OwnCall();
  in.OwnLocator = "JN39LG";
  in.Today = l.DatumVon();
  def_ = BuildContestDefinition(in);
  qso_ = std::make_unique<TdbContest>(TdbContestBase::kQsoLog, 0, number_);
  logCommon_ = std::make_unique<TContLogAlle>();
}

TContestQSORec TallyLogTest::AddQso(const TQso& q) {
  TContestQSORec r;
  r.SetCall(q.Call);
  r.SetBandcode(q.Band);
  r.SetDOK(q.Dok);
  r.SetMode(q.Mode);
  r.SetPoints(q.Points);
  r.SetDatum(daynumber::FromYMD(2026, 3, 18));
  r.SetZeit(6 * 3600 + 60 * minute_++);
  r.SetBandChangeMark(q.BandChange);
  r.SetSentPart1("59");
  r.SetRcvdPart1("59");
  qso_->SetQSORec(r);
  EXPECT_TRUE(qso_->Add()) << q.Call;
  return qso_->GetQSORec();
}

TContestLogState& TallyLogTest::State() {
  if (!state_)
    state_ = std::make_unique<TContestLogState>(def_, *logCommon_, *list_, *config_, number_);
  return *state_;
}

std::vector<TContestQSORec> TallyLogTest::Log() {
  std::vector<TContestQSORec> out;
  TdbContest t(TdbContestBase::kQsoLog, 0, number_);
  for (bool more = t.First(contestkeys::kNummer); more; more = t.Next())
    out.push_back(t.GetQSORec());
  return out;
}

}  // namespace tallytest
