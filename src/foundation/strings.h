#pragma once
// Text functions on Windows-1252 byte strings. Positions are 1-based and counts are
// characters (one byte each), as the record fields and the exports count them.
// Every function takes any input, however short, long or odd, and never fails.

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/keystr.h"

class ToStrings {
 public:
  // The slashed zero of the call and report fields.
  static constexpr char kSlashedZero = char(216);

  // Blanks and control characters (tabs, line ends of imported files) at both ends go.
  static std::string Trim(std::string_view s);
  static std::string Left(std::string_view s, int n);
  // From index (1-based) to the end.
  static std::string CopyFrom(std::string_view s, int index);
  // Up to count characters from index; empty when index lies beyond s.
  static std::string Copy(std::string_view s, int index, int count);
  // Position of the first sub, 0 when absent (an empty sub is never found).
  static int Pos(std::string_view sub, std::string_view s);
  // True when every character is a digit 0-9 (an empty text too).
  static bool AllDigits(std::string_view s);

  // The text before the first sub (with sub when includeSub); empty when sub is absent.
  static std::string TextBefore(std::string_view s, std::string_view sub, bool includeSub = false);
  // The text after the first sub (from sub on when includeSub); all of s when sub is absent.
  static std::string TextAfter(std::string_view s, std::string_view sub, bool includeSub = false);
  // TextBefore(TextAfter(s, sub1), sub2): empty when sub2 does not follow.
  static std::string TextBetween(std::string_view s, std::string_view sub1, std::string_view sub2,
                                 bool includeSubs = false);
  static std::string ReplaceAll(std::string_view s, std::string_view oldText,
                                std::string_view newText);
  // Every control character (below 0x20, and 0x7F) a blank: a line end, tab or NUL that
  // came in by paste or from a file can neither be stored nor split a line of an export.
  // The length stays, so fixed columns and counted lengths stay right.
  static std::string BlankControls(std::string_view s);
  static bool HasControls(std::string_view s);

  // With fit: blank-padded on the right or cut to exactly width; without: s unchanged.
  static std::string FitWidth(std::string_view s, int width, bool fit);
  static std::string FitWidthUpper(std::string_view s, int width, bool fit);
  // Centred in width blanks (an odd blank goes right); a longer s stays as it is.
  static std::string Center(std::string_view s, int width);
  static std::string PadLeft(std::string_view s, int width);
  static std::string PadLeftCh(std::string_view s, char ch, int width);
  static std::string PadRightCh(std::string_view s, char ch, int width);
  static std::string CharStr(char ch, int count);
  static int Length(std::string_view s);

  // Right-aligned in width places; "*" in every place when the number does not fit;
  // width 0 gives the plain decimal text.
  static std::string IntToStrPadded(int32_t value, int width);
  static std::string Int64ToStrPadded(int64_t value, int width);
  // Zeros on the left up to width (after the sign of a negative value).
  static std::string IntToStrZero(int32_t value, int width);
  // Shortest text (15 significant digits) with the decimal separator of the locale.
  static std::string FloatToStr(double value);
  // decimals places after decimalChar; the integer part blank-padded on the left to width.
  static std::string FloatToStrWidth(int width, int decimals, char decimalChar, double value);
  // Trimmed digits with one "." or "," as decimal point; 0 for anything else (signs too).
  static double StrToReal(std::string_view s);

  // Upper case by the Windows-1252 character set: umlauts and accented letters too;
  // ß and µ have no upper-case form there and stay.
  static std::string AnsiUpperCase(std::string_view s);

  static std::string UnslashZeros(std::string_view s);
  // Every '0' becomes the slashed zero, only while the option is on.
  static std::string SlashZeros(std::string_view s);
  // The settings hand their slashed-zero option down here when they load or change.
  static void SetSlashZeroOption(bool on);
  static bool SlashZeroOption();

  // "<name:len[:type]>value " with the trimmed value; an empty dataType is left out.
  static std::string AdifField(std::string_view name, std::string_view value,
                               std::string_view dataType = {});

  // The least key above every key that starts with s fitted to n: s blank-padded or cut
  // to n, the last character below 'z' stepped up ('9' -> 'A', below '0' -> 'A') and the
  // characters behind it dropped. Empty when no character can be stepped. padCh is unused.
  static std::string IncKeyPrefix(std::string_view s, int n, char padCh = ' ');

  // With keyFlag the 5-byte sortable key of the value, else plain decimal text.
  static std::string LongToKey(int32_t value, bool keyFlag);
  static TKeyStr ShortToKeyStr(std::string_view s);
  static TKeyStr LongToKeyStr(int32_t value, bool keyFlag);
  // A damaged length is clamped to the key's 200 characters.
  static std::string KeyStrToShort(const TKeyStr& key);
};
