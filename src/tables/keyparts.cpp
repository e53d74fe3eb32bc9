#include "tables/keyparts.h"

#include "foundation/keystr.h"
#include "foundation/strings.h"
#include "tables/settingshooks.h"

namespace keyparts {

std::string Fit(std::string_view text, size_t width) {
  return ToStrings::FitWidth(text, int(width), true);
}

ToKeys MakeKeys(std::initializer_list<std::tuple<int, bool, const char*>> list) {
  ToKeys keys;
  for (const auto& [len, dup, expr] : list) keys.Add(len, dup, expr);
  return keys;
}

std::string CallForm(std::string_view call) {
  const auto& form = settingshooks::Hooks().CallKeyForm;
  // Before the reference data is started only the case is made uniform.
  return form ? form(call) : ToStrings::AnsiUpperCase(ToStrings::Trim(call));
}

std::string Desc(int32_t value) { return keycodec::LongKey(99999999 - value); }

}  // namespace keyparts
