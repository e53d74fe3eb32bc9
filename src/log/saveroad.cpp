#include "log/saveroad.h"

#include <algorithm>

#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/loghelpers.h"
#include "reference/prefix.h"
#include "storage/dberror.h"
#include "tables/calltables.h"
#include "tables/contesttables.h"

namespace saveroad {

namespace {

constexpr int32_t kLastSecond = 24 * 3600 - 1;

void SlashFirst(std::string& s, char c) {
  if (s.find('/') != std::string::npos) return;
  if (const size_t at = s.find(c); at != std::string::npos) s[at] = '/';
}

std::string PadSerial(std::string_view part) {
  const std::string s = ToStrings::Trim(part);
  return s.size() == 1 || s.size() == 2 ? std::string(3 - s.size(), '0') + s : s;
}

}  // namespace

std::string NormaliseMemberField(std::string_view text) {
  std::string s(text);
  SlashFirst(s, '-');
  SlashFirst(s, '+');
  const auto digit = std::find_if(s.begin(), s.end(), loghelpers::IsDigit);
  if (digit == s.end()) return s;
  const size_t at = size_t(digit - s.begin());
  if (at == 0 || s[at - 1] != '/') s.insert(at, 1, '/');
  return s;
}

bool IsSerialKind(int32_t kind) {
  return kind == exchangekind::kSerial || kind == exchangekind::kSerialPerMode ||
         kind == exchangekind::kSerialPerBand;
}

std::string PadSerialExchange(std::string_view text, int32_t kind2, int32_t kind3) {
  if (!IsSerialKind(kind2) && !IsSerialKind(kind3)) return std::string(text);
  std::string rst, f[3];
  TContLogAlle::SplitExchangeText(text, rst, f[0], f[1], f[2]);
  std::string& part = IsSerialKind(kind2) ? f[0] : f[1];
  part = PadSerial(part);
  return TContLogAlle::JoinExchangeText(rst, f[0], f[1], f[2]);
}

void NextSecond(int32_t& date, int32_t& time) {
  if (time >= kLastSecond) {
    time = 0;
    ++date;
  } else {
    ++time;
  }
}

bool InsertWithRetries(TdbContestBase& table, TContestQSORec& rec, int attempts, int& tries) {
  tries = 0;
  while (tries < attempts) {
    ++tries;
    table.SetQSORec(rec);
    if (table.Add()) {
      rec = table.GetQSORec();
      return true;
    }
    // Only a QSO stored at the same second is a reason to move the time; a locked or
    // failing file would refuse the next second just as well.
    if (DriverErrorCode() != kDbCodeDuplicate) return false;
    int32_t date = rec.Datum(), time = rec.Zeit();
    NextSecond(date, time);
    rec.SetDatum(date);
    rec.SetZeit(time);
  }
  return false;
}

bool HasDokList(const TContestRec& def) {
  return !ToStrings::Trim(def.ValidDoks[1]).empty() || def.ValidDistricts[1] != 0;
}

bool PassesDokList(const TContestRec& def, const TContestQSORec& rec) {
  if (!HasDokList(def)) return true;
  const std::string dok = ToStrings::Trim(
      ToStrings::Left(ToStrings::Trim(rec.DOK1()) + ToStrings::Trim(rec.DOK2()), 8));
  for (const std::string& listed : def.ValidDoks)
    if (!listed.empty() && ToStrings::Trim(listed) == dok) return true;
  const std::string dok1 = ToStrings::Trim(rec.DOK1());
  if (def.ValidDistricts[1] == 0 || dok1.empty()) return false;
  return std::find(def.ValidDistricts.begin(), def.ValidDistricts.end(), dok1[0]) !=
         def.ValidDistricts.end();
}

namespace {

struct TSegment {
  const char* Mode;
  char Band;  // 0: any band ('W' lists segments to avoid on every band)
  double Low, High;
};

// Contest 'W': where its rules ask not to work.
constexpr TSegment kAvoidedW[] = {
    {"CW", 0, 3.56, 3.8},     {"CW", 0, 7.04, 7.2},     {"CW", 0, 14.06, 14.35},
    {"SSB", 0, 3.65, 3.7},    {"SSB", 0, 7.04, 7.14},   {"SSB", 0, 14.1, 14.125},
    {"SSB", 0, 14.28, 14.35}, {"SSB", 0, 21.35, 21.45}, {"SSB", 0, 28.225, 28.4},
};
// Every other contest: where to work on the bands the band plan divides.
constexpr TSegment kAllowed[] = {
    {"CW", 'a', 1.8099, 1.849}, {"CW", 'b', 3.5099, 3.56}, {"CW", 'e', 13.999, 14.06},
    {"SSB", 'b', 3.599, 3.65},  {"SSB", 'b', 3.699, 3.8},  {"SSB", 'e', 14.1249, 14.3},
};

// The single-precision frequency against the bounds as written: 3.56f lies just below
// 3.56, so a QSO on the bound is judged as the operator's entry holds it.
bool Inside(float mhz, const TSegment& s) {
  const double f = double(mhz);
  return f >= s.Low && f <= s.High;
}

}  // namespace

bool InRecommendedRange(TContestCode code, float mhz, std::string_view mode, char band) {
  const std::string m = ToStrings::Trim(mode);
  if (code == 'W') {
    for (const TSegment& s : kAvoidedW)
      if (m == s.Mode && Inside(mhz, s)) return false;
    return true;
  }
  bool ruled = false;
  for (const TSegment& s : kAllowed) {
    if (m != s.Mode || band != s.Band) continue;
    ruled = true;
    if (Inside(mhz, s)) return true;
  }
  return !ruled;
}

namespace {

// One member list that a contest's saved QSOs extend.
struct TMemberListRow {
  TContestCode Code;
  int Field;  // received field 2..4
  const char* File;
  int ListNo;
  int Column;
};
constexpr TMemberListRow kMemberLists[] = {
    {'k', 2, "qcwa.csv", 1, 3}, {'6', 2, "hsc.csv", 1, 3}, {'i', 2, "naval.csv", 1, 3},
    {'n', 2, "ibfd.csv", 1, 3}, {'v', 2, "mrr.csv", 1, 2}, {'v', 3, "mrr-rig.csv", 2, 2},
};

// The club numbers the call book keeps, by contest code.
struct TClubField {
  TContestCode Code;
  int Field;
  std::string (TdbCallBase::*Get)() const;
  void (TdbCallBase::*Set)(std::string_view);
};
constexpr TClubField kClubFields[] = {
    {'7', 2, &TdbCallBase::GetDIG, &TdbCallBase::SetDIG},
    {'f', 3, &TdbCallBase::GetAGCW, &TdbCallBase::SetAGCW},
    {'w', 4, &TdbCallBase::GetAGCW, &TdbCallBase::SetAGCW},
};

}  // namespace

bool UpdateCallBook(TContLogAlle& common, const TContestQSORec& rec, const TCallBookInput& in) {
  const std::string call = ToStrings::Trim(rec.Call());
  if (call.size() <= 2) return true;
  const std::string key = oPrefix ? oPrefix->CountryOfCallDe(call) : call;
  TdbCall book(TdbCallBase::kCallBook);
  if (!book.FindCall(key)) {
    book.ClearRecords();
    book.SetCall(key);
    if (!book.Add()) return false;
  }
  bool ok = true;
  // A value the call book holds already is not written again: a known station costs
  // the save no write of the call book.
  using TGetter = std::string (TdbCallBase::*)() const;
  using TSetter = void (TdbCallBase::*)(std::string_view);
  auto set = [&](TGetter getter, TSetter setter, std::string_view value) {
    const std::string before = (book.*getter)();
    (book.*setter)(value);
    if ((book.*getter)() != before) ok = book.Modify() && ok;
  };
  const auto field = [&](int n) { return ToStrings::Trim(in.Received[size_t(n - 1)]); };
  const std::string dok = ToStrings::Trim(
      ToStrings::Left(ToStrings::Trim(rec.DOK1()) + ToStrings::Trim(rec.DOK2()), 8));
  if (in.Code != '4' && !ToStrings::Trim(rec.DOK1()).empty())
    set(&TdbCallBase::GetDOK, &TdbCallBase::SetDOK, dok);
  for (const TClubField& c : kClubFields)
    if (c.Code == in.Code && !field(c.Field).empty()) set(c.Get, c.Set, field(c.Field));
  if (in.Code == 'i' && !field(2).empty() && field(2)[0] == 'M')
    set(&TdbCallBase::GetMF, &TdbCallBase::SetMF, ToStrings::CopyFrom(field(2), 3));
  if (!ToStrings::Trim(in.Name).empty()) set(&TdbCallBase::GetName, &TdbCallBase::SetName, in.Name);
  if (!ToStrings::Trim(in.Qth).empty()) set(&TdbCallBase::GetQTH, &TdbCallBase::SetQTH, in.Qth);
  // The member lists learn only from a save the call book took: a refused one fails whole.
  if (!ok) return false;
  for (const TMemberListRow& m : kMemberLists)
    if (m.Code == in.Code && !field(m.Field).empty())
      common.AddToMemberList(field(m.Field), m.File, m.ListNo, m.Column, call);
  return true;
}

}  // namespace saveroad
