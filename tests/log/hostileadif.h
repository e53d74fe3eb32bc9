#pragma once
// ADIF files that other programs, broken disks or mischief write: lengths that lie, no
// record end, NUL and other control characters, bytes that are no UTF-8, nothing but a
// header, nothing at all. Each is made by the test; the QSOs in them are of a Saar log
// (80 m SSB, 10 January 2026).

#include <QFile>
#include <string>
#include <vector>

namespace hostileadif {

struct TFile {
  const char* Label;
  std::string Bytes;
  size_t Records;    // record texts the reader finds
  const char* Call;  // the first record's CALL as read
  const char* Name;  // and its NAME
};

// The fields of a QSO that the import stores, at the minute given.
inline std::string Qso(int minute) {
  return "<QSO_DATE:8>20260110 <TIME_ON:4>10" + std::string(minute < 10 ? "0" : "") +
         std::to_string(minute) + " <MODE:3>SSB <FREQ:5>3.650 ";
}

inline std::vector<TFile> Corpus() {
  using namespace std::string_literals;
  return {
      {"empty", "", 0, "", ""},
      {"header only", "Export\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n", 0, "", ""},
      {"no record end", "<EOH>\r\n<CALL:5>DL1AA " + Qso(1) + "\r\n", 0, "", ""},
      {"huge length", "<EOH><CALL:99999999999999999999>DL1AA " + Qso(2) + "<EOR>", 1, "DL1AA", ""},
      {"negative length", "<CALL:-5>DL2BB <NAME:-1>HANS " + Qso(3) + "<EOR>\r\n", 1, "DL2BB",
       "HANS"},
      {"length beyond the end", Qso(4) + "<NAME:900>OTTO <CALL:900>DL3CC<EOR>", 1, "DL3CC", "OTTO"},
      {"NUL", "<CALL:5>DL4DD <NAME:4>H\0NS <QTH:5>S\0\0AR "s + Qso(5) + "<EOR>", 1, "DL4DD",
       "H NS"},
      {"no UTF-8", "<CALL:5>DL5EE <NAME:6>M\xC3\x28LLER " + Qso(6) + "<EOR>", 1, "DL5EE",
       "M\xC3(LLER"},
      {"control characters",
       "<CALL:5>DL6FF <NAME:5>HA\tNS <QTH:5>A\x01\x7F"
       "B <DOK:3>Q\x1B"
       "5 " +
           Qso(7) + "<EOR>",
       1, "DL6FF", "HA NS"},
  };
}

inline bool Write(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace hostileadif
