#include "output/outputfixture.h"

#include <QFile>

#include "contest/contestfkt.h"
#include "contest/contestload.h"
#include "contest/currentdef.h"
#include "foundation/cp1252.h"
#include "foundation/dates.h"
#include "output/outputjobs.h"
#include "tables/setups.h"

void OutputTest::SetUp() {
  TablesTest::SetUp();
  Setups().SetOwnCall("DL1ABC");
  list_ = std::make_unique<TdbContest>(TdbContestBase::kList);
  config_ = std::make_unique<TdbContest>(TdbContestBase::kConfig);
  SetCurrentContestDef(&def_);
}

void OutputTest::TearDown() {
  SetCurrentContestDef(nullptr);
  list_.reset();
  config_.reset();
  TablesTest::TearDown();
}

int32_t OutputTest::MakeContest(char code, uint8_t category) {
  TContestListRec rec;
  rec.SetTyp(code);
  rec.SetConstant('D');
  rec.SetCategory(category);
  rec.SetOwnCall("DL1ABC");
  rec.SetName("Test");
  list_->SetListRec(rec);
  EXPECT_TRUE(list_->Add());
  contest_ = list_->GetListRec().Nummer();
  TContestConfigRec config;
  config.SetNummer(contest_);
  config_->SetConfigRec(config);
  EXPECT_TRUE(config_->Add());
  EXPECT_TRUE(LoadContestDefinition(def_, *list_, code, true));
  return contest_;
}

void OutputTest::ChangeList(const std::function<void(TContestListRec&)>& change) {
  ASSERT_TRUE(list_->FindNumber(contest_));
  TContestListRec rec = list_->GetListRec();
  change(rec);
  list_->SetListRec(rec);
  ASSERT_TRUE(list_->Modify());
}

void OutputTest::AddQso(const TTestQso& t) {
  TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
  TContestQSORec q;
  q.SetCall(t.Call);
  q.SetDatum(t.Datum);
  // The date-and-time key is unique: QSOs without a time get one of their own.
  q.SetZeit(t.Zeit != 0 ? t.Zeit : ++nextZeit_);
  q.SetBandcode(t.Band);
  q.SetMode(t.Mode);
  oContestFkt->SplitSentExchange(t.Sent, q);
  oContestFkt->SplitReceivedExchange(t.Rcvd, q);
  q.SetPoints(t.Points);
  q.SetCMulti(t.CMulti);
  q.SetNameQth(t.NameQth);
  q.SetLoc(t.Loc);
  q.SetCall2(t.Call2);
  q.SetBandChangeMark(t.BandChange);
  log.SetQSORec(q);
  ASSERT_TRUE(log.Add());
}

void OutputTest::AddQsoWith(const TTestQso& q, const std::function<void(TContestQSORec&)>& change) {
  AddQso(q);
  TdbContest log(TdbContestBase::kQsoLog, 0, contest_);
  ASSERT_TRUE(log.Last(4));
  TContestQSORec r = log.GetQSORec();
  change(r);
  log.SetQSORec(r);
  ASSERT_TRUE(log.Modify());
}

std::string OutputTest::RunJob(uint8_t job, const std::string& fileName) {
  const std::string path = dir_.File(fileName);
  QFile::remove(Q(path));
  desktop_.FilesToSave.push_back(Q(path));
  outputjobs::RunOutputJob(job, def_, *list_, *config_);
  return ReadFile(path);
}

std::string OutputTest::ReadFile(const std::string& path) const { return ReadFile(Q(path)); }

std::string OutputTest::ReadFile(const QString& path) const {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QByteArray b = f.readAll();
  return std::string(b.constData(), size_t(b.size()));
}

void ExpectGolden(const std::string& name, const std::string& bytes,
                  std::initializer_list<const char*> handCounted) {
  for (const char* text : handCounted)
    EXPECT_NE(bytes.find(text), std::string::npos) << name << " lacks \"" << text << "\"";
  const QString path = Q(TestSourceDir() + "/output/golden/" + name);
  QFile f(path);
  if (qEnvironmentVariableIsSet("ZOR_UPDATE_GOLDEN")) {
    // The file now holds what the code wrote: nothing was checked, so the run must not
    // pass. Each rewritten file is named, to be reviewed before it is committed.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
    ADD_FAILURE() << "golden file rewritten, not checked: " << name;
    return;
  }
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
  const QByteArray golden = f.readAll();
  EXPECT_EQ(std::string(golden.constData(), size_t(golden.size())), bytes) << name;
}

int Occurrences(const std::string& bytes, const std::string& text) {
  int n = 0;
  for (size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1)) ++n;
  return n;
}

int32_t Day(const char* date) { return ToDates::DateStringToDate(date, "dd.mm.yyyy"); }
int32_t Time(const char* time) { return ToDates::TimeStringToTime(time, "hh:mm:ss"); }

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF";
      lines.push_back(bytes.substr(start));
      break;
    }
    if (lf == start || bytes[lf - 1] != '\r') ADD_FAILURE() << "LF without CR at " << lf;
    lines.push_back(bytes.substr(start, lf - start - (lf > start ? 1 : 0)));
    start = lf + 1;
  }
  return lines;
}
