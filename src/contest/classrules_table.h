#pragma once
// The participation classes of every contest code as data: for each class its text, its
// group and short name, the modes and bands it admits, what it changes against the first
// class, and the presets of the sent exchange. classrules.cpp applies the rows.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "contest/contestrec.h"

namespace classrules {

// Where the preset of one sent exchange field comes from.
enum class TPresetSource : uint8_t {
  kKeep,              // a class row: the code's preset; the code: leave the field untouched
  kNone,              // empty (a serial-number field is then filled by the log window)
  kFixed,             // the row's fixed text
  kOwnDok,            // own DOK of the contest log
  kOwnDokOrNM,        // German own call: own DOK, "NM" when empty; other calls: empty
  kOwnLocator,        // own locator of the station settings
  kOwnLocator4,       // its first 4 characters
  kFirstName,         // own name, its first word
  kFirstName16,       // the same, at most 16 characters
  kFirstNameNumber,   // first word of the own name, "/" and the member number
  kStationText,       // the station text of the contest log
  kOwnCall,           // the own call of the contest log
  kMemberText,        // the own member text
  kMemberNumber,      // the member number as plain decimal text, empty when 0 or less
  kMemberNumber2,     // the same, at least 2 digits with leading zeros
  kMemberNumber5,     // the same, at least 5 digits with leading zeros
  kMemberNumberOrNM,  // the member number, "NM" when 0 or less
};

struct TPreset {
  TPresetSource Source = TPresetSource::kKeep;
  const char* Text = nullptr;  // kFixed only
};
using TPresets = std::array<TPreset, 3>;

// What a class changes against the values the code's block set for its first class.
struct TClassChanges {
  bool SetKinds = false;
  std::array<int32_t, 3> ReceivedKinds{};
  std::array<int32_t, 3> SentKinds{};
  bool SetCaptions = false;
  std::array<const char*, 3> Captions{};
  bool SetMultipliers = false;
  uint32_t MultiplierBits = 0;  // bit k: multiplier kind k
  int16_t DupeScope = -1;       // -1: unchanged
  bool SWLLog = false;
  bool OnlyGermanOwnCall = false;  // the changes hold only for a German own call

  // Both sides alike, or the sent side apart.
  constexpr TClassChanges Kinds(std::array<int32_t, 3> received) const {
    return Kinds(received, received);
  }
  constexpr TClassChanges Kinds(std::array<int32_t, 3> received,
                                std::array<int32_t, 3> sent) const {
    TClassChanges c = *this;
    c.SetKinds = true;
    c.ReceivedKinds = received;
    c.SentKinds = sent;
    return c;
  }
  constexpr TClassChanges Captions3(const char* a = "", const char* b = "",
                                    const char* c3 = "") const {
    TClassChanges c = *this;
    c.SetCaptions = true;
    c.Captions = {a, b, c3};
    return c;
  }
  constexpr TClassChanges Multipliers(std::initializer_list<int> kinds) const {
    TClassChanges c = *this;
    c.SetMultipliers = true;
    c.MultiplierBits = 0;
    for (int k : kinds) c.MultiplierBits |= uint32_t{1} << k;
    return c;
  }
  constexpr TClassChanges Dupe(int16_t scope) const {
    TClassChanges c = *this;
    c.DupeScope = scope;
    return c;
  }
  constexpr TClassChanges Swl() const {
    TClassChanges c = *this;
    c.SWLLog = true;
    return c;
  }
  constexpr TClassChanges GermanOwnCall() const {
    TClassChanges c = *this;
    c.OnlyGermanOwnCall = true;
    return c;
  }
};

struct TClassRow {
  const char* Description;
  uint8_t Group;
  const char* Name;
  const char* Modes;  // mode words separated by commas, element 1 first
  const char* Bands;  // band code letters, element 1 first
  TClassChanges Changes{};
  TPresets Presets{};  // kKeep: the code's preset
};

struct TCodeClasses {
  TContestCode Code;
  bool ZeroAsFirst;       // class number 0 takes the first class's settings
  const char* ZeroBands;  // otherwise: the bands class 0 admits (with no mode), nullptr none
  TPresets Presets;       // for every class number; kKeep leaves the field as it is
  std::span<const TClassRow> Classes;
  // Without an own DOK the first sent field carries the serial number: its preset is empty.
  bool SerialWithoutOwnDok = false;
};

// Every code that has participation classes, in the order of the rules table.
std::span<const TCodeClasses> AllCodeClasses();
const TCodeClasses* FindCodeClasses(TContestCode code);

}  // namespace classrules
