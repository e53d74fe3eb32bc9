#include "contest/classrules.h"

#include <string_view>

#include "contest/classrules_table.h"
#include "foundation/strings.h"

namespace classrules {
namespace {

// The class row that the class number selects; nullptr when it selects none.
const TClassRow* SelectedClass(const TCodeClasses& rules, uint8_t classNumber) {
  if (classNumber == 0 && rules.ZeroAsFirst) classNumber = 1;
  if (classNumber == 0 || classNumber > rules.Classes.size()) return nullptr;
  return &rules.Classes[classNumber - 1];
}

// Writes the mode words from element 1 upwards; words are separated by commas.
void WriteModes(TContestRec& def, std::string_view modes) {
  size_t element = 1;
  while (!modes.empty() && element <= decltype(def.Modes)::kSize) {
    size_t comma = modes.find(',');
    std::string word = ToStrings::Trim(modes.substr(0, comma));
    if (!word.empty()) def.Modes[element++] = word;
    modes = comma == std::string_view::npos ? std::string_view() : modes.substr(comma + 1);
  }
}

void WriteBands(TContestRec& def, std::string_view bands) {
  for (size_t i = 0; i < bands.size() && i < decltype(def.Bands)::kSize; ++i) {
    def.Bands[i + 1] = bands[i];
  }
}

void ApplyChanges(TContestRec& def, const TClassChanges& changes, const TContestInputs& in) {
  if (changes.OnlyGermanOwnCall && !IsGermanOwnCall(in.OwnCall)) return;
  if (changes.SetKinds) {
    for (size_t i = 1; i <= 3; ++i) {
      def.ReceivedKinds[i] = changes.ReceivedKinds[i - 1];
      def.SentKinds[i] = changes.SentKinds[i - 1];
    }
  }
  if (changes.SetCaptions) {
    for (size_t i = 1; i <= 3; ++i) def.ExchangeCaption[i] = changes.Captions[i - 1];
  }
  if (changes.SetMultipliers) {
    def.MultiplierKinds.reset();
    for (int k = 0; k < 32; ++k) {
      if (changes.MultiplierBits & (uint32_t{1} << k)) def.MultiplierKinds.set(k);
    }
  }
  if (changes.DupeScope >= 0) def.DupeScope = static_cast<uint8_t>(changes.DupeScope);
  if (changes.SWLLog) def.SWLLog = true;
}

// The own name up to its first blank.
std::string FirstWord(const std::string& name) {
  std::string trimmed = ToStrings::Trim(name);
  return ToStrings::Pos(" ", trimmed) > 0 ? ToStrings::TextBefore(trimmed, " ") : trimmed;
}

// The member number with at least `digits` digits; empty when 0 or less (not given).
std::string MemberNumberText(int32_t number, int digits) {
  return number <= 0 ? std::string() : ToStrings::IntToStrZero(number, digits);
}

std::string PresetText(const TPreset& preset, const TContestInputs& in) {
  switch (preset.Source) {
    case TPresetSource::kKeep:
    case TPresetSource::kNone: return {};
    case TPresetSource::kFixed: return preset.Text;
    case TPresetSource::kOwnDok: return in.OwnDok;
    case TPresetSource::kOwnDokOrNM:
      // A station abroad sends its serial number, which the log window fills in.
      if (!IsGermanOwnCall(in.OwnCall)) return {};
      return in.OwnDok.empty() ? std::string("NM") : in.OwnDok;
    case TPresetSource::kOwnLocator: return in.OwnLocator;
    case TPresetSource::kOwnLocator4: return ToStrings::Left(in.OwnLocator, 4);
    case TPresetSource::kFirstName: return FirstWord(in.OwnName);
    case TPresetSource::kFirstName16: return ToStrings::Left(FirstWord(in.OwnName), 16);
    case TPresetSource::kFirstNameNumber:
      return FirstWord(in.OwnName) + "/" + MemberNumberText(in.MemberNumber, 1);
    case TPresetSource::kStationText: return in.StationText;
    case TPresetSource::kOwnCall: return in.OwnCall;
    case TPresetSource::kMemberText: return in.MemberText;
    case TPresetSource::kMemberNumber: return MemberNumberText(in.MemberNumber, 1);
    case TPresetSource::kMemberNumber2: return MemberNumberText(in.MemberNumber, 2);
    case TPresetSource::kMemberNumber5: return MemberNumberText(in.MemberNumber, 5);
    case TPresetSource::kMemberNumberOrNM:
      return in.MemberNumber <= 0 ? std::string("NM") : MemberNumberText(in.MemberNumber, 1);
  }
  return {};
}

}  // namespace

void FillClasses(TContestRec& def, TContestCode code) {
  const TCodeClasses* rules = FindCodeClasses(code);
  if (!rules) return;
  size_t i = 1;
  for (const TClassRow& row : rules->Classes) {
    if (i > decltype(def.Classes)::kSize) break;
    TContestClass& entry = def.Classes[i++];
    entry.Description = row.Description;
    entry.Group = row.Group;
    entry.Name = row.Name;
  }
}

void ApplyClassSwitch(TContestRec& def, const TContestInputs& in) {
  const TCodeClasses* rules = FindCodeClasses(in.Code);
  if (!rules) return;
  // Every branch starts from empty lists, so nothing of another class stays behind.
  def.Modes.Fill(std::string());
  def.Bands.Fill('\0');
  if (const TClassRow* row = SelectedClass(*rules, in.ClassNumber)) {
    WriteModes(def, row->Modes);
    WriteBands(def, row->Bands);
    ApplyChanges(def, row->Changes, in);
  } else if (in.ClassNumber == 0 && rules->ZeroBands) {
    WriteBands(def, rules->ZeroBands);
  }
}

void ApplySentPresets(TContestRec& def, const TContestInputs& in) {
  const TCodeClasses* rules = FindCodeClasses(in.Code);
  if (!rules) return;
  const TClassRow* row = SelectedClass(*rules, in.ClassNumber);
  for (size_t i = 1; i <= 3; ++i) {
    TPreset preset = rules->Presets[i - 1];
    if (row && row->Presets[i - 1].Source != TPresetSource::kKeep) preset = row->Presets[i - 1];
    if (preset.Source != TPresetSource::kKeep) def.SentText[i] = PresetText(preset, in);
  }
  if (rules->SerialWithoutOwnDok && in.OwnDok.empty()) def.SentText[1].clear();
}

}  // namespace classrules
