#include "exportfilecheck.h"

#include <sstream>

#include "foundation/dates.h"

namespace exportcheck {
namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(s);
  while (std::getline(in, part, sep)) parts.push_back(part);
  if (!s.empty() && s.back() == sep) parts.emplace_back();
  return parts;
}

std::vector<std::string> Tokens(const std::string& s) {
  std::vector<std::string> t;
  std::istringstream in(s);
  for (std::string w; in >> w;) t.push_back(w);
  return t;
}

std::string After(const std::string& line, const std::string& key) {
  return line.starts_with(key) ? line.substr(key.size()) : std::string();
}

}  // namespace

std::vector<std::string> Cabrillo(const std::vector<std::string>& lines) {
  std::vector<std::string> faults;
  if (lines.empty() || lines.front() != "START-OF-LOG: 3.0") faults.push_back("no START-OF-LOG");
  if (lines.empty() || lines.back() != "END-OF-LOG:") faults.push_back("no END-OF-LOG");
  for (const std::string& line : lines) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0 ||
        line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ-") != colon) {
      faults.push_back("not a tag line: " + line);
      continue;
    }
    if (!line.starts_with("QSO:")) continue;
    const auto t = Tokens(line.substr(4));
    // freq mode date time own-call sent... call rcvd...
    if (t.size() < 7 || (t.size() - 5) % 2 != 1) {
      faults.push_back("sent and received differ: " + line);
      continue;
    }
    if (t[1] != "CW" && t[1] != "PH" && t[1] != "FM" && t[1] != "RY" && t[1] != "DG")
      faults.push_back("mode: " + line);
    if (ToDates::DateStringToDate(t[2], "yyyy-mm-dd") < 0) faults.push_back("date: " + line);
    if (ToDates::TimeStringToTime(t[3], "hhmm") < 0) faults.push_back("time: " + line);
  }
  return faults;
}

std::vector<std::string> Stf(const std::vector<std::string>& lines) {
  std::vector<std::string> faults;
  if (lines.empty() || lines.front() != "STF1") faults.push_back("no STF1");
  if (lines.empty() || lines.back() != "ENDQSOLIST") faults.push_back("no ENDQSOLIST last");
  enum { kBefore, kHeader, kBetween, kQsos } part = kBefore;
  for (const std::string& line : lines) {
    if (line == "HEADER" && part == kBefore) {
      part = kHeader;
    } else if (line == "ENDHEADER" && part == kHeader) {
      part = kBetween;
    } else if (line == "QSOLIST" && part == kBetween) {
      part = kQsos;
    } else if (part == kHeader) {
      if (line.empty() || line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ-") == 0)
        faults.push_back("not a keyword line: " + line);
    } else if (part == kQsos && line != "ENDQSOLIST") {
      const auto t = Tokens(line);
      if (t.size() < 2 || ToDates::DateStringToDate(t[0], "yyyymmdd") < 0 ||
          ToDates::TimeStringToTime(t[1], "hhmm") < 0)
        faults.push_back("date or time: " + line);
    }
  }
  if (part != kQsos) faults.push_back("HEADER, ENDHEADER and QSOLIST not in order");
  return faults;
}

std::vector<std::string> Reg1Test(const std::vector<std::string>& lines) {
  std::vector<std::string> faults;
  if (lines.empty() || lines.front() != "[REG1TEST;1]") faults.push_back("first line");
  size_t start = lines.size();
  int declared = -1, cqsos = -1;
  int32_t from = -1, to = -1;
  std::string odx;
  bool band = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    // A reader takes every line in brackets as the start of a section.
    if (l.starts_with('[') && i > 0 && l != "[Remarks]" && !l.starts_with("[QSORecords;"))
      faults.push_back("a line opens a section: " + l);
    if (l.starts_with("PBand=")) band = l.size() > 6;
    if (l.starts_with("[QSORecords;")) {
      declared = std::stoi(l.substr(12));
      start = i + 1;
      break;
    }
    if (l.starts_with("CQSOs=")) cqsos = std::stoi(After(l, "CQSOs="));
    if (l.starts_with("CODXC=")) odx = After(l, "CODXC=");
    if (l.starts_with("TDate=")) {
      const auto d = Split(After(l, "TDate="), ';');
      if (d.size() == 2 && d[0] != "0") {
        from = ToDates::DateStringToDate(d[0], "yyyymmdd");
        to = ToDates::DateStringToDate(d[1], "yyyymmdd");
      }
    }
  }
  if (!band) faults.push_back("no band in PBand=");
  const int records = int(lines.size() - start);
  if (declared != records) faults.push_back("[QSORecords] is not the record count");
  if (cqsos != records) faults.push_back("CQSOs= is not the record count");
  int best = 0;
  std::string bestOdx;
  for (size_t i = start; i < lines.size(); ++i) {
    const auto f = Split(lines[i], ';');
    if (f.size() != 15) {
      faults.push_back("not 15 fields: " + lines[i]);
      continue;
    }
    for (const size_t number : {5, 7})
      if (f[number].find_first_not_of("0123456789") != std::string::npos)
        faults.push_back("a number field holds " + f[number] + ": " + lines[i]);
    const int32_t date = ToDates::DateStringToDate(f[0], "yymmdd");
    if (from > 0 && (date < from || date > to)) faults.push_back("outside TDate: " + lines[i]);
    const int km = std::stoi(f[10]);
    if (km > best) {
      best = km;
      bestOdx = f[2] + ";" + f[9] + ";" + f[10];
    }
  }
  if (odx != bestOdx) faults.push_back("CODXC= " + odx + " is not " + bestOdx);
  return faults;
}

}  // namespace exportcheck
