#pragma once
// The three records of the contest files: the contest list (BMKK), the per-contest
// configuration with the per-band totals (BMKZ) and one QSO of a contest log (BMLK####,
// BMLKTEMP). Fixed sizes and offsets, because the files written by earlier versions of
// the program carry exactly these layouts. Boolean fields are bytes holding 0 or 255.

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/recordbuf.h"

class TContestListRec : public TRecord {
 public:
  static constexpr size_t kSize = 379;
  static constexpr int kBandRows = 7;
  static constexpr int kColumns = 20;
  TContestListRec() : TRecord(kSize) {}

  int32_t Nummer() const { return I32(4); }
  void SetNummer(int32_t v) { SetI32(4, v); }
  int32_t DatumVon() const { return I32(8); }  // day number; below 1 = not set
  void SetDatumVon(int32_t v) { SetI32(8, v); }
  int32_t DatumBis() const { return I32(12); }
  void SetDatumBis(int32_t v) { SetI32(12, v); }
  int32_t ZeitVon() const { return I32(16); }  // seconds of the day
  void SetZeitVon(int32_t v) { SetI32(16, v); }
  int32_t ZeitBis() const { return I32(20); }
  void SetZeitBis(int32_t v) { SetI32(20, v); }
  std::string Name() const { return Str(24, 25); }
  void SetName(std::string_view s) { SetStr(24, 25, s); }
  std::string CreationLocator() const { return Str(50, 6); }
  void SetCreationLocator(std::string_view s) { SetStr(50, 6, s); }
  std::string DOK() const { return Str(57, 6); }
  void SetDOK(std::string_view s) { SetStr(57, 6, s); }
  std::string BandText() const { return Str(64, 6); }
  void SetBandText(std::string_view s) { SetStr(64, 6, s); }
  uint8_t OneOperator() const { return Byte(71); }
  void SetOneOperator(uint8_t v) { SetByte(71, v); }
  uint8_t PointsPerKm() const { return Byte(72); }
  void SetPointsPerKm(uint8_t v) { SetByte(72, v); }
  std::string Transceiver() const { return Str(73, 30); }
  void SetTransceiver(std::string_view s) { SetStr(73, 30, s); }
  std::string Power() const { return Str(104, 10); }
  void SetPower(std::string_view s) { SetStr(104, 10, s); }
  std::string Antenna() const { return Str(115, 30); }
  void SetAntenna(std::string_view s) { SetStr(115, 30, s); }
  int16_t AntennaHeightGround() const { return I16(146); }
  void SetAntennaHeightGround(int16_t v) { SetI16(146, v); }
  int16_t AntennaHeightSea() const { return I16(148); }
  void SetAntennaHeightSea(int16_t v) { SetI16(148, v); }
  uint16_t VhfSquares() const { return U16(150); }
  void SetVhfSquares(uint16_t v) { SetU16(150, v); }
  uint16_t VhfCountries() const { return U16(152); }
  void SetVhfCountries(uint16_t v) { SetU16(152, v); }
  uint16_t VhfPointsPerQso() const { return U16(154); }
  void SetVhfPointsPerQso(uint16_t v) { SetU16(154, v); }
  uint16_t VhfValidQsos() const { return U16(156); }
  void SetVhfValidQsos(uint16_t v) { SetU16(156, v); }
  int32_t ExtraNumber() const { return I32(158); }  // -1 = not given
  void SetExtraNumber(int32_t v) { SetI32(158, v); }
  std::string OwnCall() const { return Str(166, 12); }
  void SetOwnCall(std::string_view s) { SetStr(166, 12, s); }
  int32_t TotalDistance() const { return I32(179); }
  void SetTotalDistance(int32_t v) { SetI32(179, v); }
  std::string ExtraText() const { return Str(183, 6); }
  void SetExtraText(std::string_view s) { SetStr(183, 6, s); }
  uint8_t InArbeit() const { return Byte(190); }
  void SetInArbeit(uint8_t v) { SetByte(190, v); }
  char Typ() const { return char(Byte(191)); }  // contest code, '\0' = no contest code
  void SetTyp(char c) { SetByte(191, uint8_t(c)); }
  uint8_t DateAuto() const { return Byte(192); }
  void SetDateAuto(uint8_t v) { SetByte(192, v); }
  uint8_t TimeAuto() const { return Byte(193); }
  void SetTimeAuto(uint8_t v) { SetByte(193, v); }
  char Constant() const { return char(Byte(194)); }  // 'D' once created or stored
  void SetConstant(char c) { SetByte(194, uint8_t(c)); }
  uint8_t StartValue() const { return Byte(195); }
  void SetStartValue(uint8_t v) { SetByte(195, v); }
  uint8_t RstSentNotFixed() const { return Byte(246); }
  void SetRstSentNotFixed(uint8_t v) { SetByte(246, v); }
  uint8_t RstRcvdNotFixed() const { return Byte(247); }
  void SetRstRcvdNotFixed(uint8_t v) { SetByte(247, v); }
  uint8_t EntryLock() const { return Byte(248); }
  void SetEntryLock(uint8_t v) { SetByte(248, v); }
  char QslSentDefault() const { return char(Byte(249)); }
  void SetQslSentDefault(char c) { SetByte(249, uint8_t(c)); }
  char QslRcvdDefault() const { return char(Byte(250)); }
  void SetQslRcvdDefault(char c) { SetByte(250, uint8_t(c)); }
  uint8_t Category() const { return Byte(251); }  // 1 + class index, 0 = none
  void SetCategory(uint8_t v) { SetByte(251, v); }
  uint8_t StartSSB() const { return Byte(252); }
  void SetStartSSB(uint8_t v) { SetByte(252, v); }
  uint8_t StartFM() const { return Byte(291); }
  void SetStartFM(uint8_t v) { SetByte(291, v); }
  uint8_t StartPR() const { return Byte(292); }
  void SetStartPR(uint8_t v) { SetByte(292, v); }
  uint8_t BandAuto() const { return Byte(293); }
  void SetBandAuto(uint8_t v) { SetByte(293, v); }
  std::string PLZ() const { return Str(294, 5); }
  void SetPLZ(std::string_view s) { SetStr(294, 5, s); }
  uint8_t MemberAnswer() const { return Byte(300); }
  void SetMemberAnswer(uint8_t v) { SetByte(300, v); }
  uint8_t TotalsInConfig() const { return Byte(369); }
  void SetTotalsInConfig(uint8_t v) { SetByte(369, v); }
  std::string LDK() const { return Str(370, 3); }
  void SetLDK(std::string_view s) { SetStr(370, 3, s); }
  uint8_t EditedBits() const { return Byte(374); }
  void SetEditedBits(uint8_t v) { SetByte(374, v); }
  uint8_t DxccMenu() const { return Byte(375); }
  void SetDxccMenu(uint8_t v) { SetByte(375, v); }

  // The summary of the band rows 1..7 (rows 6 and 7 were added later and lie apart).
  uint16_t RowQsos(int row) const { return U16(RowOffsets(row).qsos); }
  void SetRowQsos(int row, uint16_t v) { SetU16(RowOffsets(row).qsos, v); }
  uint16_t RowMultipliers(int row) const { return U16(RowOffsets(row).multis); }
  void SetRowMultipliers(int row, uint16_t v) { SetU16(RowOffsets(row).multis, v); }
  int32_t RowPoints(int row) const { return I32(RowOffsets(row).points); }
  void SetRowPoints(int row, int32_t v) { SetI32(RowOffsets(row).points, v); }
  int16_t RowFirstMultiplier(int row) const { return I16(RowOffsets(row).first); }
  void SetRowFirstMultiplier(int row, int16_t v) { SetI16(RowOffsets(row).first, v); }
  int16_t RowSecondMultiplier(int row) const { return I16(RowOffsets(row).second); }
  void SetRowSecondMultiplier(int row, int16_t v) { SetI16(RowOffsets(row).second, v); }
  // QSO-list column widths, column 1..20 at 299 + 2i.
  static constexpr size_t ColumnWidthOffset(int column) { return 299 + 2 * size_t(column); }
  uint16_t ColumnWidth(int column) const { return U16(ColumnOffset(column)); }
  void SetColumnWidth(int column, uint16_t v) { SetU16(ColumnOffset(column), v); }

  struct TRowOffsets {
    size_t qsos, multis, points, first, second;
  };
  static TRowOffsets RowOffsets(int row);  // row 1..7

 private:
  static size_t ColumnOffset(int column);
};

class TContestConfigRec : public TRecord {
 public:
  static constexpr size_t kSize = 11608;
  static constexpr int kBands = 100;
  TContestConfigRec() : TRecord(kSize) {}

  int32_t Nummer() const { return I32(4); }
  void SetNummer(int32_t v) { SetI32(4, v); }
  // Per band index 1..100.
  int32_t BandQsos(int i) const { return I32(At32(8, i)); }
  void SetBandQsos(int i, int32_t v) { SetI32(At32(8, i), v); }
  int32_t BandMultipliers(int i) const { return I32(At32(408, i)); }
  void SetBandMultipliers(int i, int32_t v) { SetI32(At32(408, i), v); }
  int32_t BandPoints(int i) const { return I32(At32(808, i)); }
  void SetBandPoints(int i, int32_t v) { SetI32(At32(808, i), v); }
  // which: 1 first, 2 second, 3 third multiplier.
  int16_t BandMultiplierN(int which, int i) const { return I16(At16(which, i)); }
  void SetBandMultiplierN(int which, int i, int16_t v) { SetI16(At16(which, i), v); }
  uint8_t RstNotLocked() const { return Byte(1808); }
  void SetRstNotLocked(uint8_t v) { SetByte(1808, v); }
  uint8_t LogUncountedDupes() const { return Byte(1809); }
  void SetLogUncountedDupes(uint8_t v) { SetByte(1809, v); }

 private:
  static size_t At32(size_t base, int i);
  static size_t At16(int which, int i);
};

class TContestQSORec : public TRecord {
 public:
  static constexpr size_t kSize = 216;
  TContestQSORec() : TRecord(kSize) {}

  int32_t Nummer() const { return I32(4); }
  void SetNummer(int32_t v) { SetI32(4, v); }
  std::string Call() const { return Str(8, 12); }
  void SetCall(std::string_view s) { SetStr(8, 12, s); }
  std::string Loc() const { return Str(21, 6); }
  void SetLoc(std::string_view s) { SetStr(21, 6, s); }
  int32_t Datum() const { return I32(28); }  // day number
  void SetDatum(int32_t v) { SetI32(28, v); }
  int32_t Zeit() const { return I32(32); }  // seconds since midnight UTC
  void SetZeit(int32_t v) { SetI32(32, v); }
  std::string Mode() const { return Str(36, 6); }
  void SetMode(std::string_view s) { SetStr(36, 6, s); }
  std::string SentPart4() const { return Str(43, 7); }
  void SetSentPart4(std::string_view s) { SetStr(43, 7, s); }
  std::string RcvdPart4() const { return Str(51, 7); }
  void SetRcvdPart4(std::string_view s) { SetStr(51, 7, s); }
  std::string Multi2() const { return Str(59, 6); }  // multiplier text of position 2
  void SetMulti2(std::string_view s) { SetStr(59, 6, s); }
  int32_t Distance() const { return I32(66); }
  void SetDistance(int32_t v) { SetI32(66, v); }
  std::string Prefix() const { return Str(70, 6); }
  void SetPrefix(std::string_view s) { SetStr(70, 6, s); }
  std::string DXCC() const { return Str(77, 6); }
  void SetDXCC(std::string_view s) { SetStr(77, 6, s); }
  std::string NameQth() const { return Str(84, 30); }  // name ";" QTH
  void SetNameQth(std::string_view s) { SetStr(84, 30, s); }
  uint8_t sel() const { return Byte(115); }
  void Setsel(uint8_t v) { SetByte(115, v); }
  std::string WAZ_USStaat() const { return Str(116, 2); }
  void SetWAZ_USStaat(std::string_view s) { SetStr(116, 2, s); }
  std::string Continent() const { return Str(122, 2); }
  void SetContinent(std::string_view s) { SetStr(122, 2, s); }
  std::string DOK1() const { return Str(125, 6); }
  void SetDOK1(std::string_view s) { SetStr(125, 6, s); }
  char Bandcode() const { return char(Byte(132)); }
  void SetBandcode(char c) { SetByte(132, uint8_t(c)); }
  int32_t wagBandNr() const { return I32(133); }
  void SetwagBandNr(int32_t v) { SetI32(133, v); }
  uint16_t Points() const { return U16(137); }
  void SetPoints(uint16_t v) { SetU16(137, v); }
  char QslRcvd() const { return char(Byte(139)); }
  void SetQslRcvd(char c) { SetByte(139, uint8_t(c)); }
  std::string Call2() const { return Str(140, 12); }
  void SetCall2(std::string_view s) { SetStr(140, 12, s); }
  std::string CMulti() const { return Str(153, 6); }
  void SetCMulti(std::string_view s) { SetStr(153, 6, s); }
  int32_t wagBandNrIntern() const { return I32(160); }
  void SetwagBandNrIntern(int32_t v) { SetI32(160, v); }
  uint8_t PrefixFixed() const { return Byte(164); }
  void SetPrefixFixed(uint8_t v) { SetByte(164, v); }
  char BandChangeMark() const { return char(Byte(165)); }
  void SetBandChangeMark(char c) { SetByte(165, uint8_t(c)); }
  int32_t wagNummer() const { return I32(166); }
  void SetwagNummer(int32_t v) { SetI32(166, v); }
  char District() const { return char(Byte(170)); }
  void SetDistrict(char c) { SetByte(170, uint8_t(c)); }
  char SDOK() const { return char(Byte(171)); }
  void SetSDOK(char c) { SetByte(171, uint8_t(c)); }
  uint8_t WaeFlag() const { return Byte(172); }
  void SetWaeFlag(uint8_t v) { SetByte(172, v); }
  std::string SentPart1() const { return Str(173, 9); }
  void SetSentPart1(std::string_view s) { SetStr(173, 9, s); }
  std::string RcvdPart1() const { return Str(183, 9); }
  void SetRcvdPart1(std::string_view s) { SetStr(183, 9, s); }
  char QslSent() const { return char(Byte(193)); }
  void SetQslSent(char c) { SetByte(193, uint8_t(c)); }
  std::string DOK2() const { return Str(194, 2); }
  void SetDOK2(std::string_view s) { SetStr(194, 2, s); }
  std::string RcvdPart2() const { return Str(197, 2); }
  void SetRcvdPart2(std::string_view s) { SetStr(197, 2, s); }
  std::string SentPart2() const { return Str(200, 2); }
  void SetSentPart2(std::string_view s) { SetStr(200, 2, s); }
  float Frequency() const { return Float(203); }  // MHz
  void SetFrequency(float v) { SetFloat(203, v); }
  std::string RcvdPart3() const { return Str(207, 2); }
  void SetRcvdPart3(std::string_view s) { SetStr(207, 2, s); }
  std::string SentPart3() const { return Str(210, 2); }
  void SetSentPart3(std::string_view s) { SetStr(210, 2, s); }
  uint16_t ModeNr() const { return U16(213); }
  void SetModeNr(uint16_t v) { SetU16(213, v); }
  uint8_t ZeroPoints() const { return Byte(215); }  // 255: a dupe logged with a mark
  void SetZeroPoints(uint8_t v) { SetByte(215, v); }

  // The whole DOK: DOK1 holds its first six characters, DOK2 the seventh and eighth.
  std::string DOK() const { return DOK1() + DOK2(); }
  void SetDOK(std::string_view dok);
  // A band-change line is no QSO: it counts nowhere and is never exported.
  bool IsBandChangeLine() const { return Byte(165) != 0 && Byte(165) != ' '; }
};
