#pragma once
// The program language and small helpers shared by the settings and the windows.

#include <cstdint>
#include <string>
#include <string_view>

namespace setupseparat {

constexpr uint8_t kGerman = 1;
// The language flag: 1 German, anything else English.
uint8_t Language();
void SetLanguage(uint8_t flag);

// The German text when the language is German, else the English one.
std::string LangText(std::string_view german, std::string_view english);

// Both numbers formatted with intDigits places before and decDigits places after the
// point, then compared as texts: '=' equal, '!' not equal, '<' and '>' in text order.
// Any other operator gives false.
bool CompareFormatted(int intDigits, int decDigits, char op, double a, double b);

}  // namespace setupseparat
