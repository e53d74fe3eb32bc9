#pragma once
// The 21 amateur bands the program knows, highest band first, and every conversion between
// the one-letter band code of QSO records, band names, designators, frequencies and the band
// or frequency texts an operator types.

#include <array>
#include <string>
#include <string_view>

using TBandCode = char;  // '0' all bands, blank none

struct TBm5Band {
  TBandCode Code = ' ';
  std::string LongName;
  std::string ShortName;
  std::array<double, 3> Wavelength{-1, -1, -1};  // metres; -1 none
  std::string FrequencyText;
  double Nominal = 0;  // MHz
  double Lower = 0;    // MHz, exclusive
  double Upper = 0;    // MHz, inclusive
  std::string Designator1;
  std::string Designator2;  // Cabrillo
  std::array<std::string, 20> Aliases;
};

class ToBaender {
 public:
  static constexpr int kBandCount = 21;
  using TarrBm5Band = std::array<TBm5Band, kBandCount>;

  ToBaender();

  TBandCode BandCodeOfFrequency(double mhz) const;
  std::string BandNameOf(TBandCode code, bool shortName) const;
  std::string BandDesignatorOf(TBandCode code, bool cabrillo) const;
  double DefaultFrequencyOf(TBandCode band, char mode) const;
  TBandCode BandCodeOfText(std::string_view text) const;
  double FrequencyOfBandText(std::string_view text) const;
  std::string FrequencyTextOfBandText(std::string_view text) const;
  // style 0 short name; 1 right-aligned in 5; 2 first blank out, right-aligned in 4;
  // 3 without blanks; 4 the long name.
  std::string BandNameOfFrequency(int style, double mhz) const;
  std::string BandNameOfFrequencyText(std::string_view text, int style) const;
  // A frequency as typed: wavelengths and shortcuts become the band's frequency, kHz
  // become MHz.
  double FrequencyToMHz(double value, bool shortcuts) const;

  const TBm5Band& Row(int index) const { return rows_.at(size_t(index)); }

 private:
  const TBm5Band* RowOfCode(TBandCode code) const;
  const TBm5Band* RowOfFrequency(double mhz) const;
  const TBm5Band* RowOfText(std::string_view text) const;
  TarrBm5Band rows_;
};

extern ToBaender* oBaender;
