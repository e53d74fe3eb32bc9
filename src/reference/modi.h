#pragma once
// The operating modes: the one-letter mode code of QSO records and keys ('a' CW ... 'm'
// packet, blank for no known mode), the contest-log word of a code and the mode class of
// the log keys. The user's words for five modes, alias lists per code and extra mode names
// come from the settings.

#include <array>
#include <string>
#include <string_view>
#include <vector>

using TModeCode = char;

struct BM3Mode {
  TModeCode Code = ' ';
  std::string Name;         // up to 6 characters
  unsigned char Class = 0;  // group number
  std::string ContestWord;  // "CW", "PH", "FM", "RY" or empty
  std::array<std::string, 30> Synonyms;
  unsigned char Group2 = 0;
};

class ToModi {
 public:
  static constexpr int kModeCount = 13;

  ToModi();

  TModeCode ModeCodeOf(std::string_view modeText) const;
  std::string ContestModeOf(TModeCode code) const;
  char ModeCategoryOf(std::string_view modeText, bool extended) const;

  void SetDigitalModes(std::string_view s) { digitalModes_ = s; }
  const std::string& GetDigitalModes() const { return digitalModes_; }
  void SetAmtorName(std::string_view s) { amtor_ = s; }
  const std::string& GetAmtorName() const { return amtor_; }
  void SetPactorName(std::string_view s) { pactor_ = s; }
  const std::string& GetPactorName() const { return pactor_; }
  void SetSstvName(std::string_view s) { sstv_ = s; }
  const std::string& GetSstvName() const { return sstv_; }
  void SetAtvName(std::string_view s) { atv_ = s; }
  const std::string& GetAtvName() const { return atv_; }
  void SetFaxName(std::string_view s) { fax_ = s; }
  const std::string& GetFaxName() const { return fax_; }

  // index 0..12 stands for the codes 'a'..'m'; other indexes are ignored (empty).
  void SetModeAliases(std::string_view text, int index);
  std::string GetModeAliases(int index) const;
  void ClearModeAliases();

  void AddExtraMode(std::string_view name);
  void ClearExtraModes() { extraModes_.clear(); }
  int ExtraModeCount() const { return int(extraModes_.size()); }
  std::string GetExtraMode(int index) const;

  const BM3Mode& Row(int index) const { return rows_.at(size_t(index)); }

 private:
  std::string digitalModes_;
  std::string amtor_, pactor_, sstv_, atv_, fax_;
  std::vector<std::string> extraModes_;
  std::array<std::string, kModeCount> aliases_;
  std::array<BM3Mode, kModeCount> rows_;
};

extern ToModi* oModi;

namespace modi {
// Defaults of the user's words, copied into every new table; the program may change them
// before the table is made.
extern std::string gDefaultDigitalModes, gDefaultAmtor, gDefaultPactor, gDefaultSstv, gDefaultAtv,
    gDefaultFax;
}  // namespace modi
