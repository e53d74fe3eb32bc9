#include "tables/keyparts.h"

#include "foundation/keystr.h"

namespace keyparts {

std::string Fit(std::string_view text, size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string Desc(int32_t value) { return keycodec::LongKey(99999999 - value); }

}  // namespace keyparts
