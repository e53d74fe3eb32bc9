#pragma once
// The text rules of the edit control TkvEdit, apart from the widget so that they can be
// checked without a screen. All text is Windows-1252 bytes.

#include <optional>
#include <string>
#include <string_view>

namespace kvedittext {

// A picture mask such as "dd.mm.yyyy", "hh:mm" or "#####,####": the letters d m y h s,
// the digits 9 and 0 and '#' each hold one digit, 'X' any character, 'A' a letter; every
// other character is a separator that the mask puts in by itself. Typing a separator
// early closes the current group ("5." in a date is day 5).
struct TFitted {
  std::string Text;
  int Cursor = 0;  // where the cursor stands in Text
};
// The text fitted to the picture, or nothing when a character has no place in it. An
// empty picture takes any text. cursor: the cursor position in text.
std::optional<TFitted> FitToPicture(std::string_view picture, std::string_view text, int cursor);

// Upper case by the Windows character set: umlauts and accented letters too, byte for byte
// ('ß' and 'µ' have no single-byte capital and stay).
std::string UpperText(std::string_view text);

// A partly typed date completed to "dd.mm.yyyy": what is missing comes from today
// ("5" -> day 5 of this month, "5.3" -> 5 March of this year, "5.3.27" -> 2027). Digits
// without separators read as ddmmyyyy. An empty text stays empty; a text that cannot
// be read stays as it is, so that the date check rejects it.
std::string CompleteDate(std::string_view text, int todayDay, int todayMonth, int todayYear);
// A partly typed time completed to "hh:mm", or "hh:mm:ss" when seconds were typed:
// "15" -> "15:00", "930" -> "09:30", "15:3" -> "15:03". Empty and unreadable texts stay.
std::string CompleteTime(std::string_view text);

// A 4-byte float as the edit shows it: the shortest text that reads back as the same
// value, with the given decimal character and at most maxDecimals decimals (-1: as many as
// needed). ReadSingle takes ',' or '.' and gives 0 for anything that is not a number.
std::string SingleText(float value, char decimalChar, int maxDecimals);
float ReadSingle(std::string_view text);

}  // namespace kvedittext
