#include "tables/contesttables.h"

#include <utility>

#include "foundation/keystr.h"
#include "foundation/strings.h"
#include "tables/contestkeys.h"

namespace {

using keyparts::Ch;
using keyparts::Fit;

template <typename R>
TKeyBuilder BuilderOf(std::string (*build)(const R&, int)) {
  return [build](const uint8_t* rec, int keyNr, std::string& key) {
    R r;
    r.Assign(rec, R::kSize);
    key = build(r, keyNr);
  };
}

}  // namespace

std::string ToDatContest::QsoLogName(int32_t contestNr) {
  return "BMLK" + ToStrings::IntToStrZero(contestNr, 4);
}

TFileDef ToDatContest::FileDef(int kind, int32_t contestNr) {
  using namespace contestkeys;
  switch (kind) {
    case TdbContestBase::kList:
      return {"BMKK", TContestListRec::kSize, &ListKeys(), BuilderOf(&BuildListKey), kListNummer};
    case TdbContestBase::kConfig:
      return {"BMKZ", TContestConfigRec::kSize, &ConfigKeys(), BuilderOf(&BuildConfigKey), 0};
    case TdbContestBase::kQsoLog:
      return {QsoLogName(contestNr), TContestQSORec::kSize, &QsoKeys(), BuilderOf(&BuildQsoKey),
              kNummer};
    default: return {"BMLKTEMP", TContestQSORec::kSize, &TempKeys(), BuilderOf(&BuildTempKey), 1};
  }
}

namespace {
// The table kinds of the file-set bits.
constexpr std::pair<int, int> kSetKinds[] = {{ToDatContest::kListFile, TdbContestBase::kList},
                                             {ToDatContest::kConfigFile, TdbContestBase::kConfig},
                                             {ToDatContest::kQsoLogFile, TdbContestBase::kQsoLog},
                                             {ToDatContest::kTempFile, TdbContestBase::kTemp}};
}  // namespace

bool ToDatContest::OpenFiles(int fileSet, int32_t contestNr, uint8_t, int) {
  bool ok = true;
  for (auto [bit, kind] : kSetKinds) {
    if (!(fileSet & bit)) continue;
    TFileDef def = FileDef(kind, contestNr);
    ok = tablefiles::Hold(def, tablefiles::DataDir(), "contest" + std::to_string(bit)) && ok;
  }
  return ok;
}

void ToDatContest::CloseFiles(int fileSet, bool, uint8_t, int) {
  for (auto [bit, kind] : kSetKinds)
    if (fileSet & bit) tablefiles::Release("contest" + std::to_string(bit));
}

TdbContestBase::TdbContestBase(int kind, uint8_t mode, int32_t contestNr)
    : TdbFileTable(mode, ToDatContest::FileDef(kind, contestNr), tablefiles::DataDir()),
      kind_(kind),
      contestNr_(contestNr) {}

int TdbContestBase::DefaultKeyNr() const {
  return kind_ == kList ? contestkeys::kListNummer : kind_ == kQsoLog ? contestkeys::kNummer : 1;
}

std::string TdbContestBase::GetCall() const { return IsQsoKind() ? GetQSORec().Call() : ""; }
std::string TdbContestBase::GetMode() const { return IsQsoKind() ? GetQSORec().Mode() : ""; }
char TdbContestBase::GetBandcode() const { return IsQsoKind() ? GetQSORec().Bandcode() : '\0'; }
char TdbContestBase::IsProtectedQSO() const {
  return IsQsoKind() ? GetQSORec().BandChangeMark() : '\0';
}

bool TdbContest::FindNumber(int32_t number) {
  return FindExact(DefaultKeyNr(), keycodec::LongKey(number));
}

namespace {
std::string CallKeyPart(std::string_view call) {
  return Fit(keyparts::CallForm(call), keyparts::kCall);
}
}  // namespace

bool TdbContest::FindCall(std::string_view call) {
  return Kind() == kQsoLog && FindExact(contestkeys::kCall, CallKeyPart(call));
}

bool TdbContest::FindBandCallMode(char band, std::string_view call, std::string_view mode) {
  return Kind() == kQsoLog && FindExact(contestkeys::kBandCallMode,
                                        Ch(band) + CallKeyPart(call) + Fit(mode, keyparts::kMode));
}

bool TdbContest::FindDOK(std::string_view dok) {
  return Kind() == kQsoLog && FindExact(contestkeys::kDok, Fit(dok, keyparts::kDok));
}

bool TdbContest::FindBandNrIntern(char band, int32_t number) {
  return Kind() == kQsoLog &&
         FindExact(contestkeys::kBandNrIntern, Ch(band) + keycodec::LongKey(number));
}

bool TdbContest::SearchBandNrInternDesc(char band) {
  return QsoSearch(contestkeys::kBandNrInternDesc, Ch(band), true);
}

bool TdbContest::QsoSearch(int keyNr, std::string_view text, bool load) {
  return Kind() == kQsoLog && SearchFrom(keyNr, std::string(text), load);
}

// The call of a search text (band code and call) is brought into the keys' form.
bool TdbContest::SearchBandCall(std::string_view t, bool l) {
  const std::string text = t.empty() ? std::string() : Ch(t[0]) + keyparts::CallForm(t.substr(1));
  return QsoSearch(contestkeys::kBandCallMode, text, l);
}
bool TdbContest::SearchCall(std::string_view t, bool l) {
  return QsoSearch(contestkeys::kCallDatumZeit, keyparts::CallForm(t), l);
}

// clang-format off
bool TdbContest::SearchBandLoc(std::string_view t, bool l) { return QsoSearch(contestkeys::kBandLoc, t, l); }
bool TdbContest::SearchLoc(std::string_view t, bool l) { return QsoSearch(contestkeys::kLocDatumZeit, t, l); }
bool TdbContest::SearchBandDXCC(std::string_view t, bool l) { return QsoSearch(contestkeys::kBandDxcc, t, l); }
bool TdbContest::SearchDXCC(std::string_view t, bool l) { return QsoSearch(contestkeys::kDxcc, t, l); }
bool TdbContest::SearchBandDOK(std::string_view t, bool l) { return QsoSearch(contestkeys::kBandDok, t, l); }
bool TdbContest::SearchDOK(std::string_view t, bool l) { return QsoSearch(contestkeys::kDok, t, l); }
bool TdbContest::SearchBandPrefix(std::string_view t, bool l) { return QsoSearch(contestkeys::kBandPrefix, t, l); }
bool TdbContest::SearchPrefix(std::string_view t, bool l) { return QsoSearch(contestkeys::kPrefix, t, l); }
bool TdbContest::SearchBandZone(std::string_view t, bool l) { return QsoSearch(contestkeys::kBandZone, t, l); }
bool TdbContest::SearchZone(std::string_view t, bool l) { return QsoSearch(contestkeys::kZone, t, l); }
bool TdbContest::SearchBandCall2(std::string_view t, bool l) { return QsoSearch(contestkeys::kBandCall2, t, l); }
bool TdbContest::SearchCall2(std::string_view t, bool l) { return QsoSearch(contestkeys::kCall2, t, l); }
// clang-format on

bool TdbContest::CopyQSOFrom(const TdbContestBase& source, int how, bool force) {
  TContestQSORec rec = source.GetQSORec();
  if (!force && rec.IsBandChangeLine()) return false;
  SetQSORec(rec);
  return how == 0 ? Add() : Modify();
}
