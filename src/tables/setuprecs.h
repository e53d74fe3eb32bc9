#pragma once
// The records of the settings: the settings file BMSETUP (one 3530-byte record), the
// own-station record kept inside it, and the second settings file BMSETUP2 with the
// directories, the layout, the language flag, the suffix rules and the mode words.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/layoutvalues.h"
#include "foundation/recordbuf.h"

// The own station (1704 bytes): what the cover sheets, the EDI header and a new contest
// take over from the settings.
class ToSetupEigeneStation : public TRecord {
 public:
  static constexpr size_t kSize = 1704;
  ToSetupEigeneStation() : TRecord(kSize) {}

  std::string Locator() const { return Str(0, 6); }
  void SetLocator(std::string_view s) { SetStr(0, 6, s); }
  std::string Name() const { return Str(528, 255); }
  void SetName(std::string_view s) { SetStr(528, 255, s); }
  // The entry field holds 14 characters; the room behind the field is unused.
  std::string SwlNumber() const { return Str(784, 14); }
  void SetSwlNumber(std::string_view s) { SetStr(784, 14, s); }
  std::string Street() const { return Str(1106, 50); }
  void SetStreet(std::string_view s) { SetStr(1106, 50, s); }
  std::string PostcodeTown() const { return Str(1157, 50); }  // postcode, blank, town
  void SetPostcodeTown(std::string_view s) { SetStr(1157, 50, s); }
  std::string Country() const { return Str(1208, 50); }
  void SetCountry(std::string_view s) { SetStr(1208, 50, s); }
  std::string DOK() const { return Str(1259, 10); }  // without blanks
  void SetDOK(std::string_view s) { SetStr(1259, 10, s); }
  std::string Email() const { return Str(1283, 50); }
  void SetEmail(std::string_view s) { SetStr(1283, 50, s); }
  std::string ShortDOK() const { return Str(1693, 3); }  // LDK contests, codes '4', 'A'
  void SetShortDOK(std::string_view s) { SetStr(1693, 3, s); }
  std::string LocatorCopy() const { return Str(1697, 6); }
  void SetLocatorCopy(std::string_view s) { SetStr(1697, 6, s); }
};

// Colours ($00BBGGRR) and fonts, and the column widths of the cluster list per key.
// Layout of the record (2560 bytes):
//   0..68     colours, 32-bit each: window, panel, button text, score panel, menu panel,
//             menu labels, info label, grid, grid text, grid header, grid header text,
//             sorted grid header, selected grid cell, its text, menu, menu text, selected
//             menu item, its text
//   72, 106, 140   fonts of windows, grids and buttons: name (string of 31), size (16-bit)
//   174       button font bold (0 / 255)
//   1893 + 20k + 2i   width of cluster-list column i (1..10) for key k (1..28)
class ToSetupLayout : public TRecord {
 public:
  static constexpr size_t kSize = 2560;
  static constexpr int kMaxKey = 28;  // the QSO log has 28 keys
  static constexpr int kColumns = 10;
  ToSetupLayout() : TRecord(kSize) {}

  TColor WindowColor() const { return TColor(I32(0)); }
  TColor PanelColor() const { return TColor(I32(4)); }
  TColor ButtonTextColor() const { return TColor(I32(8)); }
  TColor ScorePanelColor() const { return TColor(I32(12)); }
  TColor MenuPanelColor() const { return TColor(I32(16)); }
  void SetMenuPanelColor(TColor c) { SetI32(16, int32_t(c)); }
  TColor MenuLabelColor() const { return TColor(I32(20)); }  // menu labels (Tag n x 100)
  void SetMenuLabelColor(TColor c) { SetI32(20, int32_t(c)); }
  TColor InfoLabelColor() const { return TColor(I32(24)); }  // the label at the panel's foot
  void SetInfoLabelColor(TColor c) { SetI32(24, int32_t(c)); }

  // The colours and fonts the foundation's layout service applies.
  TLayoutValues Values() const;
  void SetValues(const TLayoutValues& v);

  // Cluster-list column widths: one row of ten 16-bit widths per key number k.
  static constexpr size_t ClusterWidthOffset(int key, int column) {
    return 1893 + 20 * size_t(key) + 2 * size_t(column);
  }
  uint16_t ClusterWidth(int key, int column) const;
  void SetClusterWidth(int key, int column, uint16_t width);

  // The look of a first start.
  static ToSetupLayout Defaults();
};

// Further options (32 bytes). Byte 7: the slashed zero in calls.
class ToSetupWeitere : public TRecord {
 public:
  static constexpr size_t kSize = 32;
  ToSetupWeitere() : TRecord(kSize) {}
  bool SlashedZero() const { return Byte(7) != 0; }
  void SetSlashedZero(bool on) { SetByte(7, on ? 255 : 0); }
};

// The 16 option bytes.
using ToSetupFlags = std::array<uint8_t, 16>;
namespace setupflags {
constexpr size_t kRowMarking = 0;  // prefix list: mark the rows of deleted entries
}

// The 20 directories, each with its trailing separator.
using ToSetupDirs = std::array<std::string, 20>;
namespace setupdirs {
constexpr size_t kData = 0;      // the database files
constexpr size_t kPictures = 6;  // title bitmaps, holiday pictures, rules documents, lists
constexpr size_t kCapacity = 255;
}  // namespace setupdirs

// The record of BMSETUP (3530 bytes).
class TSetupRec : public TRecord {
 public:
  static constexpr size_t kSize = 3530;
  static constexpr size_t kFlags = 4;         // 16 option bytes
  static constexpr size_t kWeitere = 20;      // 32 bytes of further options
  static constexpr size_t kOwnCall = 52;      // string of 17
  static constexpr size_t kProject = 786;     // current logbook project, signed 32-bit
  static constexpr size_t kOwnStation = 790;  // the 1704-byte own-station record
  TSetupRec() : TRecord(kSize) {}

  ToSetupFlags Flags() const;
  void SetFlags(const ToSetupFlags& f);
  ToSetupWeitere Weitere() const;
  void SetWeitere(const ToSetupWeitere& w);
  std::string OwnCall() const { return Str(kOwnCall, 17); }
  void SetOwnCall(std::string_view s) { SetStr(kOwnCall, 17, s); }
  int32_t CurrentProject() const { return I32(kProject); }
  void SetCurrentProject(int32_t n) { SetI32(kProject, n); }
  ToSetupEigeneStation OwnStation() const;
  void SetOwnStation(const ToSetupEigeneStation& s);
};

// A user suffix rule of the call-sign service: suffix (string of 3) and three option
// bytes, the first being the rule's flag. 7 bytes in the file.
struct TCallSuffixRule {
  std::string Suffix;
  std::array<uint8_t, 3> Options{};
  bool operator==(const TCallSuffixRule&) const = default;
};

// The mode words of the mode table that the user may change.
struct TModeSettings {
  std::string DigitalModes, Amtor, Pactor, Sstv, Atv, Fax;
  std::array<std::string, 13> Aliases;  // codes 'a'..'m'
  std::vector<std::string> ExtraModes;
  bool operator==(const TModeSettings&) const = default;
};

// The record of BMSETUP2. Its layout is this program's own:
//   0     4 bytes    reserved (zero)
//   4     20 x 256   directories, each a string of 255
//   5124  2560       the layout record
//   7684  1          language flag (1 German, else English)
//   7685  18 x 7     suffix rules 1..18 (string of 3 and three option bytes)
//   7811  256        digital mode list (string of 255)
//   8067  5 x 21     AMTOR, PACTOR, SSTV, ATV, FAX words (strings of 20)
//   8172  13 x 256   alias lists of the codes 'a'..'m' (strings of 255)
//   11500 1          number of extra mode names (at most 20)
//   11501 20 x 21    extra mode names (strings of 20)
// Longer texts are cut to their capacity.
class TSetup2Rec : public TRecord {
 public:
  static constexpr size_t kSize = 12000;
  static constexpr int kSuffixRules = 18;
  static constexpr int kMaxExtraModes = 20;
  TSetup2Rec() : TRecord(kSize) {}

  ToSetupDirs Dirs() const;
  void SetDirs(const ToSetupDirs& d);
  ToSetupLayout Layout() const;
  void SetLayout(const ToSetupLayout& l);
  uint8_t Language() const { return Byte(7684); }
  void SetLanguage(uint8_t v) { SetByte(7684, v); }
  TCallSuffixRule SuffixRule(int index) const;  // 1..18
  void SetSuffixRule(int index, const TCallSuffixRule& rule);
  TModeSettings Modes() const;
  void SetModes(const TModeSettings& m);
};
