#include "tables/setuprecs.h"

#include <stdexcept>

namespace {
// Copies a sub-record into or out of a larger record at an offset.
template <typename Sub>
Sub SubRecord(const TRecord& outer, size_t off) {
  Sub sub;
  sub.Assign(outer.Data() + off, sub.Size());
  return sub;
}
void PutSubRecord(TRecord& outer, size_t off, const TRecord& sub) {
  if (off + sub.Size() > outer.Size()) throw std::out_of_range("sub-record");
  std::copy(sub.Data(), sub.Data() + sub.Size(), outer.Data() + off);
}

constexpr size_t kDirs = 4;
constexpr size_t kLayout = 5124;
constexpr size_t kRules = 7685;
constexpr size_t kDigital = 7811;
constexpr size_t kWords = 8067;
constexpr size_t kWordCap = 20;
constexpr size_t kAliases = 8172;
constexpr size_t kListCap = 255;
constexpr size_t kExtraCount = 11500;
constexpr size_t kExtras = 11501;
}  // namespace

uint16_t ToSetupLayout::ClusterWidth(int key, int column) const {
  if (key < 1 || key > kMaxKey || column < 1 || column > kColumns) return 0;
  return U16(ClusterWidthOffset(key, column));
}

void ToSetupLayout::SetClusterWidth(int key, int column, uint16_t width) {
  if (key < 1 || key > kMaxKey || column < 1 || column > kColumns) return;
  SetU16(ClusterWidthOffset(key, column), width);
}

namespace {
struct TColorField {
  size_t Offset;
  TColor TLayoutValues::*Member;
};
constexpr TColorField kColors[] = {
    {0, &TLayoutValues::WindowColor},
    {4, &TLayoutValues::PanelColor},
    {8, &TLayoutValues::ButtonTextColor},
    {12, &TLayoutValues::ScorePanelColor},
    {28, &TLayoutValues::GridColor},
    {32, &TLayoutValues::GridTextColor},
    {36, &TLayoutValues::GridHeaderColor},
    {40, &TLayoutValues::GridHeaderTextColor},
    {44, &TLayoutValues::GridSortedHeaderColor},
    {48, &TLayoutValues::GridSelectedColor},
    {52, &TLayoutValues::GridSelectedTextColor},
    {56, &TLayoutValues::MenuColor},
    {60, &TLayoutValues::MenuTextColor},
    {64, &TLayoutValues::MenuSelectedColor},
    {68, &TLayoutValues::MenuSelectedTextColor},
};
struct TFontField {
  size_t Offset;
  std::string TLayoutValues::*Name;
  int TLayoutValues::*Size;
};
constexpr TFontField kFonts[] = {
    {72, &TLayoutValues::FontName, &TLayoutValues::FontSize},
    {106, &TLayoutValues::GridFontName, &TLayoutValues::GridFontSize},
    {140, &TLayoutValues::ButtonFontName, &TLayoutValues::ButtonFontSize},
};
constexpr size_t kFontNameCap = 31;
constexpr size_t kButtonBold = 174;
}  // namespace

TLayoutValues ToSetupLayout::Values() const {
  TLayoutValues v;
  for (const auto& c : kColors) v.*c.Member = TColor(I32(c.Offset));
  for (const auto& f : kFonts) {
    v.*f.Name = Str(f.Offset, kFontNameCap);
    v.*f.Size = I16(f.Offset + kFontNameCap + 1);
  }
  v.ButtonFontBold = Byte(kButtonBold) != 0;
  return v;
}

void ToSetupLayout::SetValues(const TLayoutValues& v) {
  for (const auto& c : kColors) SetI32(c.Offset, int32_t(v.*c.Member));
  for (const auto& f : kFonts) {
    SetStr(f.Offset, kFontNameCap, v.*f.Name);
    SetI16(f.Offset + kFontNameCap + 1, int16_t(v.*f.Size));
  }
  SetByte(kButtonBold, v.ButtonFontBold ? 255 : 0);
}

ToSetupLayout ToSetupLayout::Defaults() {
  ToSetupLayout l;
  l.SetValues(TLayoutValues());
  l.SetMenuPanelColor(RGBColor(0, 64, 128));
  l.SetMenuLabelColor(clWhite);
  l.SetInfoLabelColor(clWhite);
  return l;
}

ToSetupFlags TSetupRec::Flags() const {
  ToSetupFlags f{};
  for (size_t i = 0; i < f.size(); ++i) f[i] = Byte(kFlags + i);
  return f;
}

void TSetupRec::SetFlags(const ToSetupFlags& f) {
  for (size_t i = 0; i < f.size(); ++i) SetByte(kFlags + i, f[i]);
}

ToSetupWeitere TSetupRec::Weitere() const { return SubRecord<ToSetupWeitere>(*this, kWeitere); }
void TSetupRec::SetWeitere(const ToSetupWeitere& w) { PutSubRecord(*this, kWeitere, w); }
ToSetupEigeneStation TSetupRec::OwnStation() const {
  return SubRecord<ToSetupEigeneStation>(*this, kOwnStation);
}
void TSetupRec::SetOwnStation(const ToSetupEigeneStation& s) {
  PutSubRecord(*this, kOwnStation, s);
}

ToSetupDirs TSetup2Rec::Dirs() const {
  ToSetupDirs d;
  for (size_t i = 0; i < d.size(); ++i)
    d[i] = Str(kDirs + i * (setupdirs::kCapacity + 1), setupdirs::kCapacity);
  return d;
}

void TSetup2Rec::SetDirs(const ToSetupDirs& d) {
  for (size_t i = 0; i < d.size(); ++i)
    SetStr(kDirs + i * (setupdirs::kCapacity + 1), setupdirs::kCapacity, d[i]);
}

ToSetupLayout TSetup2Rec::Layout() const { return SubRecord<ToSetupLayout>(*this, kLayout); }
void TSetup2Rec::SetLayout(const ToSetupLayout& l) { PutSubRecord(*this, kLayout, l); }

TCallSuffixRule TSetup2Rec::SuffixRule(int index) const {
  if (index < 1 || index > kSuffixRules) throw std::out_of_range("suffix rule");
  size_t off = kRules + size_t(index - 1) * 7;
  TCallSuffixRule r;
  r.Suffix = Str(off, 3);
  for (size_t i = 0; i < 3; ++i) r.Options[i] = Byte(off + 4 + i);
  return r;
}

void TSetup2Rec::SetSuffixRule(int index, const TCallSuffixRule& rule) {
  if (index < 1 || index > kSuffixRules) throw std::out_of_range("suffix rule");
  size_t off = kRules + size_t(index - 1) * 7;
  SetStr(off, 3, rule.Suffix);
  for (size_t i = 0; i < 3; ++i) SetByte(off + 4 + i, rule.Options[i]);
}

TModeSettings TSetup2Rec::Modes() const {
  TModeSettings m;
  m.DigitalModes = Str(kDigital, kListCap);
  std::string* words[] = {&m.Amtor, &m.Pactor, &m.Sstv, &m.Atv, &m.Fax};
  for (size_t i = 0; i < 5; ++i) *words[i] = Str(kWords + i * (kWordCap + 1), kWordCap);
  for (size_t i = 0; i < m.Aliases.size(); ++i)
    m.Aliases[i] = Str(kAliases + i * (kListCap + 1), kListCap);
  size_t n = std::min<size_t>(Byte(kExtraCount), kMaxExtraModes);
  for (size_t i = 0; i < n; ++i)
    m.ExtraModes.push_back(Str(kExtras + i * (kWordCap + 1), kWordCap));
  return m;
}

void TSetup2Rec::SetModes(const TModeSettings& m) {
  SetStr(kDigital, kListCap, m.DigitalModes);
  const std::string* words[] = {&m.Amtor, &m.Pactor, &m.Sstv, &m.Atv, &m.Fax};
  for (size_t i = 0; i < 5; ++i) SetStr(kWords + i * (kWordCap + 1), kWordCap, *words[i]);
  for (size_t i = 0; i < m.Aliases.size(); ++i)
    SetStr(kAliases + i * (kListCap + 1), kListCap, m.Aliases[i]);
  size_t n = std::min<size_t>(m.ExtraModes.size(), kMaxExtraModes);
  SetByte(kExtraCount, uint8_t(n));
  for (size_t i = 0; i < size_t(kMaxExtraModes); ++i)
    SetStr(kExtras + i * (kWordCap + 1), kWordCap, i < n ? m.ExtraModes[i] : std::string());
}
