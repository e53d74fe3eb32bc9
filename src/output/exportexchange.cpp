#include "output/exportexchange.h"

#include "foundation/strings.h"

namespace exportexchange {
namespace {

// Contests whose exchange has two parts separated by "/" that the format keeps apart.
bool SplitsAtSlash(char code, TFormat format) {
  constexpr std::string_view kStf = "JGB1";
  constexpr std::string_view kCabrillo = "JGB14";
  return (format == TFormat::Stf ? kStf : kCabrillo).find(code) != std::string_view::npos;
}

std::string SplitColumns(std::string exch, TFormat format) {
  const bool stf = format == TFormat::Stf;
  const std::string missing = stf ? "-   " : "-    ";
  if (!exch.empty() && exch[0] == '/') return missing + exch.substr(1);
  if (exch.find('/') != std::string::npos) {
    if (stf) return exch.replace(exch.find('/'), 1, " ");
    return ToStrings::ReplaceAll(exch, "/", "  ");
  }
  const std::string trimmed = ToStrings::Trim(exch);
  if (trimmed.empty() || trimmed == "-") return missing + "-";
  return exch + (stf ? " -" : "  -");
}

}  // namespace

std::string Side(std::string_view exchange, char code, bool germanSender, TFormat format) {
  std::string rst = ToStrings::Copy(exchange, 1, 3);
  std::string exch = ToStrings::Copy(exchange, 4, 17);
  // The Christmas and Easter contests score a German station by its DOK, not its number.
  if ((code == 'X' || code == 't') && germanSender && ToStrings::AllDigits(ToStrings::Trim(exch)))
    exch.clear();
  if (ToStrings::Trim(rst).empty()) rst = " - ";
  if (ToStrings::Trim(exch).empty()) exch = " -" + std::string(15, ' ');
  rst = ToStrings::FitWidth(rst, 3, true);
  if (SplitsAtSlash(code, format)) exch = SplitColumns(exch, format);
  if (format == TFormat::Cabrillo && !exch.empty() && exch[0] == '/') exch.erase(0, 1);
  return rst + " " + ToStrings::FitWidth(exch, 17, true);
}

}  // namespace exportexchange
