#include "editfixture.h"

#include "contest/contestfkt.h"
#include "foundation/daynumber.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/prefixrec.h"
#include "reference/refservices.h"
#include "tables/contestkeys.h"
#include "tables/setups.h"

void EditTest::SetUp() {
  LogTest::SetUp();
  // Call keys hold the home part of a call, as in the running program.
  refservices::RegisterHooks();
  Setups().SetOwnCall("DK2ZZ");
  config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  ToSetupEigeneStation station = Setups().GetEigeneStation();
  station.SetLocator("JO43AA");
  Setups().SetEigeneStation(station);
  ASSERT_TRUE(oDatPrefix->OpenFileSet(7, false));
  using namespace prefixrec;
  for (const char* entity : {"DL", "F", "EA8", "TK"}) {
    TRecord r(kSize);
    r.SetStr(kPrefix, kPrefixLen, entity);
    r.SetStr(kDxcc, kDxccLen, entity);
    r.SetStr(kContinent, kZoneLen, std::string(entity) == "EA8" ? "AF" : "EU");
    TdbPrefix t;
    t.SetWorkRec(r);
    ASSERT_TRUE(t.Add()) << entity;
  }
}

void EditTest::TearDown() {
  window_.reset();
  config_.reset();
  oDatPrefix->CloseFileSet(7, false, false, true);
  LogTest::TearDown();
}

TContestLogStd& EditTest::Open(char code, const TContestRec& def,
                               const std::function<void(TContestListRec&)>& tweak) {
  StoreWindowRecords(*config_, code, "Test 2026", tweak);
  window_ = std::make_unique<TContestLogStd>(kContest, *config_, *list_, def);
  window_->ClearEntry(false);
  return *window_;
}

int32_t EditTest::Add(const TQso& q) {
  TContestQSORec r;
  r.SetCall(q.Call);
  r.SetBandcode(q.Band);
  r.SetMode(q.Mode);
  r.SetDatum(daynumber::FromYMD(2026, 3, 18));
  r.SetZeit(q.Time);
  r.SetBandChangeMark(q.BandChange);
  // Multiplier texts in place: the window opens the log as it stands.
  r.SetCMulti("-");
  r.SetMulti2("-");
  oContestFkt->SplitSentExchange(q.Sent, r);
  oContestFkt->SplitReceivedExchange(q.Received, r);
  // Entity and points as the save road stores them.
  qsos_->SetQSORec(r);
  const TContestRec def = Def(list_->GetListRec().Typ());
  alle_.PreviewQso(
      *qsos_, *list_, [&](const TdbContestBase& t) { return alle_.CalcQsoPoints(def, *list_, t); },
      def);
  EXPECT_TRUE(qsos_->Add()) << q.Call;
  TContestQSORec stored = qsos_->GetQSORec();
  stored.SetwagNummer(stored.Nummer());
  qsos_->SetQSORec(stored);
  EXPECT_TRUE(qsos_->Modify());
  return stored.Nummer();
}

TContestQSORec EditTest::Stored(int32_t nummer) {
  TdbContest t(TdbContestBase::kQsoLog, 0, kContest);
  EXPECT_TRUE(t.FindNumber(nummer));
  return t.GetQSORec();
}

int32_t EditTest::RefOf(int32_t nummer) {
  TdbContest t(TdbContestBase::kQsoLog, 0, kContest);
  return t.FindNumber(nummer) ? t.CurrentRef() : 0;
}
