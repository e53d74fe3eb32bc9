#pragma once
// A contest log on real files for the output tests: list and configuration records of
// one contest, its definition from the rules, QSOs added through the QSO table, and the
// jobs run with the desktop double choosing the target file.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "contest/contestrec.h"
#include "foundation/testdesktop.h"
#include "tables/contesttables.h"
#include "tables/tablesfixture.h"

struct TTestQso {
  const char* Call = "DL1AAA";
  int32_t Datum = 0;  // day number; 0 = none
  int32_t Zeit = 0;
  char Band = 'b';
  const char* Mode = "CW";
  const char* Sent = "599001";
  const char* Rcvd = "599002";
  uint16_t Points = 1;
  const char* CMulti = "";
  const char* NameQth = "";
  const char* Loc = "";
  const char* Call2 = "";
  char BandChange = '\0';
};

class OutputTest : public TablesTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds the list and configuration records of a contest of the code and loads its
  // definition; the number of the contest.
  int32_t MakeContest(char code, uint8_t category = 0);
  // Changes the list record (stored and as the list table's working record).
  void ChangeList(const std::function<void(TContestListRec&)>& change);
  void AddQso(const TTestQso& q);
  // A QSO added, then changed in the fields the fixture does not set.
  void AddQsoWith(const TTestQso& q, const std::function<void(TContestQSORec&)>& change);
  // Runs a job of the dispatcher into the file name (in the test folder); the bytes of
  // the file, empty when none was written.
  std::string RunJob(uint8_t job, const std::string& fileName);
  std::string ReadFile(const std::string& path) const;
  std::string ReadFile(const QString& path) const;
  // The recorded notices' texts.
  QStringList Notices() const { return desktop_.Texts(TMessageKind::Notice); }
  QStringList Errors() const { return desktop_.Texts(TMessageKind::Error); }

  TTestDesktop desktop_;
  TContestRec def_;
  std::unique_ptr<TdbContest> list_;
  std::unique_ptr<TdbContest> config_;
  int32_t contest_ = 0;
  int32_t nextZeit_ = 0;
};

// Compares the bytes with the golden file tests/output/golden/name; with the environment
// variable ZOR_UPDATE_GOLDEN set the file is written instead, and the test fails. The
// texts counted by hand (QSO numbers, sums, the score, header fields) must stand in the
// bytes either way.
void ExpectGolden(const std::string& name, const std::string& bytes,
                  std::initializer_list<const char*> handCounted = {});
// How often the text occurs in the bytes.
int Occurrences(const std::string& bytes, const std::string& text);

// Day number of a date "dd.mm.yyyy".
int32_t Day(const char* date);
// Seconds of a time "hh:mm:ss".
int32_t Time(const char* time);
// The lines of a file's text, without their CR LF; an error is added for a line end that
// is not CR LF.
std::vector<std::string> CrLfLines(const std::string& bytes);
