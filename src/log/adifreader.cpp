#include "log/adifreader.h"

#include <QFile>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "contest/contestrec.h"
#include "foundation/cp1252.h"
#include "foundation/memofile.h"
#include "foundation/strings.h"
#include "reference/baender.h"

namespace adifimport {

namespace {

constexpr std::string_view kEoh = "<EOH>";
constexpr std::string_view kEor = "<EOR>";

std::string Upper(std::string_view s) { return ToStrings::AnsiUpperCase(s); }

// Position of "<TAG" followed by ':' or '>', so a field never reads the one whose name
// merely starts with it (QSO_DATE is not QSO_DATE_OFF).
size_t FindTag(std::string_view record, std::string_view tag) {
  size_t pos = 0;
  while ((pos = record.find(tag, pos)) != std::string_view::npos) {
    const size_t after = pos + tag.size();
    if (pos > 0 && record[pos - 1] == '<' && after < record.size() &&
        (record[after] == ':' || record[after] == '>'))
      return pos - 1;
    ++pos;
  }
  return std::string_view::npos;
}

}  // namespace

std::vector<std::string> SplitRecords(const std::vector<std::string>& lines) {
  std::vector<std::string> records;
  std::string current;
  for (const std::string& line : lines) {
    if (!line.empty() && line[0] == '#') continue;
    std::string text = Upper(line);
    const size_t eoh = text.find(kEoh);
    if (eoh != std::string::npos) {
      // What came so far was the header; a record may follow on the same line.
      records.clear();
      current.clear();
      text.erase(0, eoh + kEoh.size());
    }
    if (ToStrings::Trim(text).empty()) continue;
    // Only the new text (and a tag it may complete) is searched: a record over many lines
    // is not scanned again for every line.
    const size_t from = current.size() < kEor.size() ? 0 : current.size() - kEor.size() + 1;
    current += text;
    // Every record the text now completes; a line may end several.
    size_t start = 0, end, scan = from;
    while ((end = current.find(kEor, scan)) != std::string::npos) {
      records.emplace_back(current, start, end + kEor.size() - start);
      start = scan = end + kEor.size();
    }
    current.erase(0, start);
  }
  return records;
}

std::vector<std::string> FieldNames(const std::vector<std::string>& records) {
  std::vector<std::string> names;
  std::unordered_set<std::string> known;
  for (const std::string& record : records) {
    const std::string_view rec = record;
    // Each search goes on from where the last one stopped, so a record is read once
    // however many '<' stand before its next '>'.
    size_t pos = 0, gt = 0;
    while ((pos = rec.find('<', pos)) != std::string_view::npos) {
      ++pos;
      if (gt < pos) gt = rec.find('>', pos);
      if (gt == std::string_view::npos) break;
      // A '<' before the '>' was part of a value: the tag starts at the later one.
      const size_t lt = rec.find('<', pos);
      if (lt < gt) {
        pos = lt;
        continue;
      }
      const std::string_view tag = rec.substr(pos, gt - pos);
      std::string name(tag.substr(0, tag.find(':')));
      pos = gt + 1;
      if (name.empty() || name == "EOR" || !known.insert(name).second) continue;
      names.push_back(std::move(name));
    }
  }
  return names;
}

std::vector<std::string> AdifLines(std::string_view bytes) {
  bool wide = false;
  for (char c : bytes) wide = wide || (c & 0x80);
  if (wide) {
    // A file that is valid UTF-8 (many logbooks write it) is read by its characters; any
    // other is taken as Windows-1252 bytes.
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!decoder.hasError()) return memofile::SplitLines(S(text));
  }
  return memofile::SplitLines(bytes);
}

bool LoadAdifLines(const std::string& fileName, std::vector<std::string>& lines) {
  lines.clear();
  QFile file(Q(fileName));
  if (fileName.empty() || !file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  lines = AdifLines(std::string_view(bytes.constData(), size_t(bytes.size())));
  return true;
}

std::string FindValue(std::string_view record, std::string_view tag) {
  if (tag.empty()) return {};
  const size_t at = FindTag(record, tag);
  if (at == std::string_view::npos) return {};
  const size_t gt = record.find('>', at);
  if (gt == std::string_view::npos) return {};
  const std::string_view rest = record.substr(gt + 1);
  // A tab or NUL of the file is no part of a value that is stored.
  return ToStrings::Trim(ToStrings::BlankControls(rest.substr(0, rest.find('<'))));
}

std::string MappedEntry(std::string_view logField, std::string_view adifField) {
  return std::string(logField) + " (" + std::string(adifField) + ")";
}

std::string LogFieldOfEntry(std::string_view entry) {
  const size_t open = entry.rfind(" (");
  if (open == std::string_view::npos || entry.back() != ')') return std::string(entry);
  return std::string(entry.substr(0, open));
}

std::string AdifFieldOfEntry(std::string_view entry) {
  const size_t open = entry.rfind(" (");
  if (open == std::string_view::npos || entry.back() != ')') return {};
  return std::string(entry.substr(open + 2, entry.size() - open - 3));
}

std::string GetAdifField(std::string_view record, const std::vector<std::string>& mapping,
                         std::string_view logField, std::string_view defaultText) {
  if (logField.empty()) return {};
  const std::string field = Upper(logField);
  std::string tag = field;
  for (const std::string& entry : mapping) {
    if (Upper(LogFieldOfEntry(entry)) != field) continue;
    tag = AdifFieldOfEntry(entry);
    break;
  }
  std::string value = FindValue(record, Upper(tag));
  if (value.empty()) value = Upper(defaultText);
  if (!ToStrings::AllDigits(value)) return value;
  if (field == "QSO_DATE") {
    if (value.size() == 8)
      return value.substr(6, 2) + "." + value.substr(4, 2) + "." + value.substr(0, 4);
    if (value.size() == 6)
      return value.substr(4, 2) + "." + value.substr(2, 2) + "." + value.substr(0, 2);
  } else if (field == "TIME_ON") {
    if (value.size() == 6)
      return value.substr(0, 2) + ":" + value.substr(2, 2) + ":" + value.substr(4, 2);
    if (value.size() == 4) return value.substr(0, 2) + ":" + value.substr(2, 2);
  }
  return value;
}

bool PassesModeCheck(const TContestRec& def, std::string_view mode) {
  const std::string m = Upper(ToStrings::Trim(mode));
  if (m.empty()) return false;
  for (const std::string& listed : def.Modes) {
    if (listed.empty()) continue;
    const std::string l = Upper(listed);
    if (l == m) return true;
    if (l == "DIGITAL" && m != "CW" && m != "SSB" && m != "FM") return true;
  }
  return false;
}

bool FrequencyOfText(std::string_view text, double& mhz) {
  std::string t = ToStrings::Trim(text);
  const size_t comma = t.find(',');
  if (comma != std::string::npos) t[comma] = '.';
  const char* end = t.data() + t.size();
  double value = 0;
  const auto [ptr, ec] = std::from_chars(t.data(), end, value);
  if (t.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) || !(value > 0))
    return false;
  mhz = value;
  return true;
}

bool PassesBandCheck(const TContestRec& def, std::string_view frequencyText,
                     std::string_view bandText) {
  const std::string freq = ToStrings::Trim(frequencyText);
  const std::string band = Upper(ToStrings::Trim(bandText));
  // The frequency decides the band the QSO is filed on, so it decides here too.
  char code = ' ';
  if (!freq.empty()) {
    double mhz = 0;
    if (!FrequencyOfText(freq, mhz)) return false;
    code = oBaender->BandCodeOfFrequency(mhz);
  } else if (!band.empty()) {
    code = oBaender->BandCodeOfText(band);
  }
  for (char listed : def.Bands) {
    if (listed == 0) continue;
    if (code == listed) return true;
    if (freq.empty() && !band.empty() &&
        (band == Upper(oBaender->BandNameOf(listed, true)) ||
         band == Upper(oBaender->BandNameOf(listed, false))))
      return true;
  }
  return false;
}

TReportParts SplitReport(std::string_view text) {
  TReportParts parts;
  if (text.size() < 4) {
    parts.Report = std::string(text);
    return parts;
  }
  parts.Report = std::string(text.substr(0, 3));
  const std::string_view rest = text.substr(3);
  const size_t slash = rest.find('/');
  parts.Field2 = std::string(rest.substr(0, slash));
  parts.HasSlash = slash != std::string_view::npos;
  if (parts.HasSlash) parts.Field3 = std::string(rest.substr(slash + 1));
  return parts;
}

}  // namespace adifimport
