#pragma once
// The EDI file (REG1TEST) of VHF/UHF contests: the header with the participant's data
// and the claimed figures, and one ";"-separated record of 15 fields per QSO.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct TExportLog;
class TContestQSORec;

namespace ediexport {

// The texts of the participant form that the header carries.
struct TParticipant {
  std::string pcall, ploc, padr1, padr2, psect, pband, pclub1, pclub2, remail;
  std::string rname, radr1, radr2, rpoco, rcity, rcoun, mope1, mope2;
  std::string rtrx, rant, rpower, rremarks;
};

// The figures of the header, gathered over the QSOs that go into the file (in date and
// time order): distinct locator fields and DXCCs, the best QSO, the number of records.
class TCollector {
 public:
  // byPoints: a log without contest code ranks its QSOs by points, others by distance.
  explicit TCollector(bool byPoints) : byPoints_(byPoints) {}
  void Add(const TContestQSORec& qso);
  int Records() const { return records_; }
  int LocatorFields() const { return int(fields_.size()); }
  int Dxccs() const { return int(dxccs_.size()); }
  // Call;Loc;value of the first QSO with the greatest value; empty when none is above 0.
  const std::string& Odx() const { return odx_; }
  // The band of most QSOs in the REG1TEST form ("144 MHz", "1,3 GHz"); empty without QSOs.
  std::string MainBand() const;

 private:
  bool byPoints_;
  int records_ = 0;
  int64_t best_ = 0;
  std::set<std::string> fields_, dxccs_;
  std::map<char, int> perBand_;
  std::string odx_;
};

// The banner of the export (program, call, date), kept among the remarks.
std::vector<std::string> BannerLines(const TExportLog& log);
std::vector<std::string> HeaderLines(const TExportLog& log, const TParticipant& p,
                                     const TCollector& figures);
std::string Record(const TContestQSORec& qso);

}  // namespace ediexport
