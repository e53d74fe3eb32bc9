#include "reference/dbprefix.h"

#include <algorithm>
#include <memory>
#include <set>

#include "foundation/dates.h"
#include "foundation/strings.h"
#include "reference/prefauswahl.h"
#include "reference/prefix.h"
#include "reference/reftext.h"
#include "storage/dbtreiber.h"
#include "storage/ifdriver.h"

using namespace prefixrec;
using reftext::IsDigit;
using reftext::IsUpperLetter;

namespace {
constexpr size_t kCallLen = 20;
constexpr size_t kLikePrefixCandidateLen = 40;
constexpr int kCounterLimit = 6;
// Ample for every real call: the loop shortens its candidate or tries a new wildcard form.
constexpr int kCandidateSteps = 400;
constexpr int kRedirectDepth = 5;

bool IsWildcard(char c) { return c == '#' || c == '?' || c == '~'; }
bool StartsWith(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }
const char* const kNotCurrent = "not current";
}  // namespace

struct TdbPrefix::TSearch {
  std::string call;
  int32_t date = 0;
  int runs = 0;
  int evaluations = 0;
  uint8_t status = 0;
  const TPrefQso* qso = nullptr;
  bool mayAsk = false;
};

bool TdbPrefix::FindExact(const std::string& designation) {
  std::string dxcc = designation.substr(0, kDxccLen);
  if (!dxcc.empty() && dxcc.back() == '-' && !StartsWith(dxcc, "PJ")) dxcc.pop_back();
  const std::string prefix =
      StartsWith(designation, "FT5") ? "FT?" + designation.substr(3) : designation;
  const std::string key = DxccPrefixKey(dxcc, prefix);
  return SearchKey(key, kKeyDxccPrefix) && DxccPrefixKey(GetDXCC(), GetPrefix()) == key;
}

bool TdbPrefix::SearchPrefixMenue(const std::string& prefix, const std::string& menue) {
  return SearchKey(PrefixMenueKey(prefix, menue), kKeyPrefixMenue);
}

namespace {
std::string CallEntryKey(const std::string& call) {
  return PrefixZusKey(call.substr(0, 6), call.size() > 6 ? call.substr(6, 8) : "");
}
}  // namespace

bool TdbPrefix::FindCallEntry(const std::string& call) {
  const std::string key = CallEntryKey(call);
  std::string found;
  int32_t ref = 0;
  return SeekKey(kKeyPrefixZus, key, found, ref) && found == key && GotoRecord(ref);
}

bool TdbPrefix::SeekKey(int keyNr, const std::string& key, std::string& found, int32_t& ref,
                        int mode) {
  TdbTreiber* t = GetDriver();
  IFDriver* d = t ? t->Driver() : nullptr;
  return d && d->Seek(keyNr, key, mode == -1 ? kEndRef : 0, mode, found, ref);
}

// The index of key 1 around the start of a candidate loop: the first entry at or after the
// start and the last entry before it. The first entry at or after a shorter candidate of the
// same start is the first after the start unless an entry lies between the two; so most
// candidates need no look into the file. Each look costs a lock of the file.
struct TdbPrefix::TCandidateIndex {
  std::string start;  // the loop's start as key text
  bool lookedBelow = false, below = false, lookedAbove = false, above = false;
  std::string belowKey, aboveKey;
  int32_t belowRef = 0, aboveRef = 0;
};

bool TdbPrefix::FirstEntryAtOrAfter(TCandidateIndex* c, const std::string& key, std::string& found,
                                    int32_t& ref) {
  if (!c || key > c->start) return SeekKey(kKeyPrefix, key, found, ref);
  if (!c->lookedBelow) {
    c->lookedBelow = true;
    c->below = SeekKey(kKeyPrefix, c->start, c->belowKey, c->belowRef, -2);
  }
  // An entry at or after the key lies before the start: the file has the answer. Equal
  // keys go there too, so that the first of several equal entries is found.
  if (c->below && c->belowKey >= key) return SeekKey(kKeyPrefix, key, found, ref);
  if (!c->lookedAbove) {
    c->lookedAbove = true;
    c->above = SeekKey(kKeyPrefix, c->start, c->aboveKey, c->aboveRef);
  }
  found = c->aboveKey;
  ref = c->aboveRef;
  return c->above;
}

TdbPrefix::TMatch TdbPrefix::Match(const std::string& t, char& wildcard, TCandidateIndex* index) {
  // An empty designation (a like-prefix that was only "-NT") names no entry.
  if (t.empty()) return kNoFit;
  const size_t dash = t.find('-');
  if (dash != std::string::npos && dash + 1 < t.size() && IsDigit(t[dash + 1])) {
    // "prefix-number" names one entry of a shared prefix: the choice is made already.
    const std::string prefix = t.substr(0, dash), menue = t.substr(dash + 1, kMenueLen);
    if (!SearchPrefixMenue(prefix, menue) || GetPrefix() != prefix ||
        ToStrings::Trim(GetMenue()) != ToStrings::Trim(menue))
      return kNoFit;
    SetMenue("");
    return kFit;
  }
  // The index entry decides most candidates; the record is read only where it may fit.
  int32_t ref = 0;
  std::string e;
  if (!FirstEntryAtOrAfter(index, PrefixKey(t), e, ref)) return kNoFit;
  e.erase(e.find_last_not_of(' ') + 1);
  const size_t n = t.size();
  auto below = [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  };
  if (e == t) return GotoRecord(ref) ? kFit : kNoFit;
  if (e.size() == n) {
    if (e.compare(0, n - 1, t, 0, n - 1) != 0 || below(e[n - 1], t[n - 1])) return kNoFit;
    if (!GotoRecord(ref)) return kNoFit;
    const char rangeStart = char(GetRangeStart());
    if (IsDigit(rangeStart) || IsUpperLetter(rangeStart)) {
      if (below(t[n - 1], rangeStart)) return kNoFit;
      e[n - 1] = t[n - 1];
      SetPrefix(e);
      return kFit;
    }
    if (!IsWildcard(e[n - 1])) return kNoFit;
    wildcard = e[n - 1];
    return kFitWildcard;
  }
  if (n < e.size() && IsWildcard(e[n - 1]) && e.compare(0, n - 1, t, 0, n - 1) == 0) {
    wildcard = e[n - 1];
    return kFitWildcard;
  }
  return kNoFit;
}

int TdbPrefix::PrefixSearch(TSearch& s, const std::string& candidate) {
  if (++s.runs >= kCounterLimit) return kNotFound;
  const std::string start = candidate.substr(0, kCallLen);
  std::string t = start;
  std::set<std::string> wildcardForms;
  TCandidateIndex index;
  index.start = PrefixKey(start);
  for (int step = 0; !t.empty() && step < kCandidateSteps; ++step) {
    char wildcard = 0;
    // Shorter forms of the start share what the index told about it.
    const bool shorterForm = start.compare(0, t.size(), t) == 0;
    const TMatch m = Match(t, wildcard, shorterForm ? &index : nullptr);
    if (m == kFit) return Evaluate(s, false, s.date);
    if (m == kFitWildcard) {
      std::string next = start;
      next[t.size() - 1] = wildcard;
      // A wildcard form tried before would lead round the same circle: no fit.
      if (wildcardForms.insert(next).second) {
        t = next;
        continue;
      }
    }
    t.pop_back();
  }
  return kNotFound;
}

int TdbPrefix::Redirect(TSearch& s, const std::string& target, int32_t date,
                        const std::string& ownPrefix) {
  bool fits;
  if (target.find("RA") == std::string::npos) {
    fits = FindExact(target);
  } else {
    char wildcard = 0;
    fits = Match(target, wildcard) == kFit;
  }
  if (!fits || Evaluate(s, true, date) != kFound) return kNotFound;
  SetPrefix(ownPrefix);
  return kFound;
}

int TdbPrefix::Evaluate(TSearch& s, bool redirect, int32_t date) {
  if (++s.evaluations >= kCounterLimit) return kNotFound;
  if (!ToStrings::Trim(GetMenue()).empty()) ChooseEntity(s);
  const std::string ownPrefix = GetPrefix();
  if (!redirect) {
    const std::string oldPrefix = ToStrings::Trim(GetOldPrefix());
    if (!oldPrefix.empty() && date <= GetOldPrefixUntil())
      return Redirect(s, oldPrefix, date, ownPrefix);
    std::string dxcc2 = ToStrings::Trim(GetDXCC2());
    if (!dxcc2.empty() && date <= GetDXCC2Until()) {
      if (dxcc2 == "RA" && s.call.size() > 2 && IsDigit(s.call[2])) dxcc2 += s.call[2];
      return Redirect(s, dxcc2, date, ownPrefix);
    }
    if ((date > 0 && date < GetValidFrom()) || (GetValidUntil() != 0 && date > GetValidUntil()))
      return kNotValid;
  }
  std::string like = ToStrings::Trim(GetWiePref());
  if (like.empty()) return kFound;
  const std::string e = ToStrings::Trim(ownPrefix);
  auto rest = [&](size_t from) { return from < s.call.size() ? s.call.substr(from) : ""; };
  int r;
  if (like.size() == e.size() && like.find('#') == std::string::npos) {
    r = PrefixSearch(s, (like + rest(e.size())).substr(0, kLikePrefixCandidateLen));
    if (r != kFound) return kNotFound;
  } else if (like.back() != '#') {
    const size_t nt = like.find("-NT");
    if (nt != std::string::npos) like.erase(nt);
    char wildcard = 0;
    if (Match(like, wildcard) != kFit) return kNotFound;
    const bool today = nt != std::string::npos || redirect;
    r = Evaluate(s, false, today ? ToDates::TodayUTC() : date);
  } else {
    size_t from = e.find('?');
    if (from == std::string::npos) from = e.find('#');
    if (from == std::string::npos) from = e.find('~');
    if (from == std::string::npos) from = e.size();
    const std::string candidate = like.substr(0, like.size() - 1) + rest(from);
    r = PrefixSearch(s, candidate.substr(0, kLikePrefixCandidateLen));
    if (r != kFound) return kNotFound;
  }
  // The entry of the call's own prefix keeps its prefix; the data is the other entry's.
  SetPrefix(ownPrefix);
  return r;
}

void TdbPrefix::ChooseEntity(TSearch& s) {
  const std::string prefix = GetPrefix();
  const std::string menue = GetMenue();
  if (s.qso && !ToStrings::Trim(s.qso->Dxcc).empty()) {
    const std::string dxcc = ToStrings::Trim(s.qso->Dxcc);
    if (SearchKey(DxccPrefixKey(dxcc, prefix), kKeyDxccPrefix) &&
        DxccPrefixKey(GetDXCC(), GetPrefix()) == DxccPrefixKey(dxcc, prefix))
      return;
    for (bool ok = SearchPrefixMenue(prefix, "1"); ok && GetPrefix() == prefix;
         ok = NextRecord(kKeyPrefixMenue)) {
      if (ToStrings::Trim(DxccAtDate(s.date)) == dxcc) return;
    }
  }
  if (s.mayAsk) {
    TPrefQso noQso;
    const uint8_t answer = prefauswahl::Run(*this, prefix, s.date, s.qso ? *s.qso : noQso);
    s.status = answer;
    if (answer == 1) return;
  }
  // No choice made: the entry found stands.
  SearchPrefixMenue(prefix, menue);
}

bool TdbPrefix::FindSecondary(const std::string& call) {
  // From the last entry at or before the whole call backwards: a shorter text can only be
  // found where that entry equals it; otherwise no entry does.
  std::string last;
  int32_t ref = 0;
  bool looked = false, exists = false;
  for (std::string text = call; !text.empty(); text.pop_back()) {
    const std::string key = CallEntryKey(text);
    if (!looked || (exists && last > key)) {
      looked = true;
      exists = SeekKey(kKeyPrefixZus, key, last, ref, -1);
    }
    if (!exists) return false;
    if (last != key || !GotoRecord(ref)) continue;
    // A shorter text counts only for entries marked to match every call beginning with it.
    if (text == call || GetWholeCallMark() == 'J') return true;
  }
  return false;
}

void TdbPrefix::FinishPrefix(const std::string& call) {
  std::string p = GetPrefix();
  if (!p.empty() && p.back() == '-') p.pop_back();
  for (char w : {'?', '#', '~'}) {
    const size_t pos = p.find(w);
    if (pos == std::string::npos) continue;
    if (pos < call.size()) p[pos] = call[pos];
    break;
  }
  const bool letters = (p.size() == 2 && IsUpperLetter(p[0]) && IsUpperLetter(p[1])) ||
                       (p.size() == 1 && IsUpperLetter(p[0]));
  if (letters && call.size() > 2) {
    const char c0 = call[0], c1 = call[1], c2 = call[2];
    if (IsUpperLetter(c0) && IsUpperLetter(c1) && IsDigit(c2))
      p += c2;
    else if (IsUpperLetter(c0) && IsDigit(c1))
      p += c1;
    else if (IsDigit(c0) && IsUpperLetter(c1) && IsDigit(c2))
      p += c2;
  }
  SetPrefix(p);
}

int TdbPrefix::ResolveCall(const std::string& callText, int32_t qsoDate, bool checkSecondary,
                           TdbPrefix* singleCalls, TdbPrefix* callGroups, uint8_t& status,
                           const TPrefQso* qso, bool mayAsk) {
  status = 0;
  std::string call = ToStrings::AnsiUpperCase(callText).substr(0, kCallLen);
  if (checkSecondary) {
    for (uint8_t kind : {kSingleCalls, kCallGroups}) {
      TdbPrefix* table = kind == kSingleCalls ? singleCalls : callGroups;
      std::unique_ptr<TdbPrefix> own;
      if (!table) table = (own = std::make_unique<TdbPrefix>(kind)).get();
      if (!table->FindSecondary(call)) continue;
      table->SetADIFNr(int16_t(oPrefix ? oPrefix->EntityNumberOfPrefix(table->GetDXCC()) : 0));
      SetCurrentRecord(table->WorkRec());
      return kFound;
    }
  }
  if (qsoDate <= 0) qsoDate = ToDates::TodayUTC();
  if (oPrefix) call = oPrefix->LocationFirst(call);
  const size_t slash = call.find('/');
  if (slash != std::string::npos) {
    const std::string after = call.substr(slash + 1, kCallLen);
    int length = 0;
    if (ToPrefix::IsSpecialEntity(call, after, length))
      call = call.substr(0, size_t(length)) + "/" + after;
  }
  TSearch s;
  s.call = call;
  s.date = qsoDate;
  s.qso = qso;
  s.mayAsk = mayAsk;
  const int r = PrefixSearch(s, call);
  if (r == kFound) FinishPrefix(call);
  // Nobody may read another entity's data from a call that was not found.
  if (r == kNotFound) ClearRecords();
  status = s.status;
  return r;
}

std::string TdbPrefix::AdifNumberOfDxcc(const std::string& designation) {
  const std::string dxcc = ToStrings::Trim(designation);
  if (dxcc.empty()) return {};
  auto nearest = [&](TdbPrefix& t) {
    return t.SearchKey(DxccPrefixKey(dxcc, ""), kKeyDxccPrefix) &&
           ToStrings::Trim(t.GetDXCC()) == dxcc;
  };
  bool found = FindExact(dxcc) || nearest(*this);
  TRecord rec = WorkRec();
  for (uint8_t kind : {kSingleCalls, kCallGroups}) {
    if (found) break;
    TdbPrefix other(kind);
    if ((found = nearest(other))) rec = other.WorkRec();
  }
  if (!found) return {};
  if (!(rec == WorkRec())) SetCurrentRecord(rec);
  return ToStrings::IntToStrPadded(GetADIFNr(), 3);
}

bool TdbPrefix::RedirectTarget(int32_t date, TRecord& target, int depth) {
  if (depth >= kRedirectDepth) return false;
  TdbPrefix lookup(kMain);
  std::string dest;
  bool exact = true;
  const std::string oldPrefix = ToStrings::Trim(GetOldPrefix());
  const std::string dxcc2 = ToStrings::Trim(GetDXCC2());
  const std::string like = ToStrings::Trim(GetWiePref());
  const bool byDxcc2 = oldPrefix.empty() || date > GetOldPrefixUntil();
  if (!byDxcc2) {
    dest = oldPrefix;
    exact = dest.find("RA") == std::string::npos;
  } else if (!dxcc2.empty() && date <= GetDXCC2Until()) {
    dest = dxcc2;
    exact = dest.find("RA") == std::string::npos;
  } else if (!like.empty() && like.back() != '#') {
    dest = like.substr(0, like.find("-NT"));
    exact = false;
  } else {
    return false;
  }
  char wildcard = 0;
  if (exact ? !lookup.FindExact(dest) : lookup.Match(dest, wildcard) != kFit) {
    // An earlier designation without an entry of its own still names the entity.
    if (!byDxcc2 || dxcc2.empty() || date > GetDXCC2Until()) return false;
    target = WorkRec();
    target.SetStr(kDxcc, kDxccLen, dxcc2);
    return true;
  }
  if (!lookup.RedirectTarget(date, target, depth + 1)) target = lookup.WorkRec();
  return true;
}

std::string TdbPrefix::DxccAtDate(int32_t date) {
  TRecord target(kSize);
  if (RedirectTarget(date, target, 0)) return target.Str(kDxcc, kDxccLen);
  return GetDXCC();
}

void TdbPrefix::RefreshAtDate(int32_t date) {
  if (date > 0 && date < GetValidFrom()) {
    SetCountry(kNotCurrent);
    return;
  }
  TRecord target(kSize);
  if (!RedirectTarget(date, target, 0)) return;
  TRecord& w = WorkRec();
  for (auto [off, cap] : {std::pair{kDxcc, kDxccLen},
                          {kCountry, kCountryLen},
                          {kWaz, kZoneLen},
                          {kItu, kZoneLen},
                          {kContinent, kZoneLen},
                          {kWae, kPrefixLen},
                          {kLocator, kLocatorLen}})
    w.SetStr(off, cap, target.Str(off, cap));
  w.SetI16(kAdifNr, target.I16(kAdifNr));
}

bool TdbPrefix::IsOutOfDate() const {
  const int32_t today = ToDates::TodayUTC();
  return (GetValidUntil() != 0 && GetValidUntil() < today) || GetValidFrom() > today;
}
