#include "foundation/keystr.h"

#include <algorithm>
#include <cstring>

void TKeyStr::Assign(std::string_view text) {
  std::memset(Chars, 0, sizeof(Chars));
  size_t n = std::min(text.size(), size_t(kMaxLen));
  std::memcpy(Chars, text.data(), n);
  Len = int32_t(n);
}

namespace keycodec {
namespace {
constexpr unsigned char kGroupBase = 0x40;  // groups 0..127 become 0x40..0xBF
}

std::string LongKey(int32_t value) {
  // Shift the signed range onto 0 .. 2^32-1 so negatives sort before positives.
  uint64_t u = uint64_t(int64_t(value) + 0x80000000LL);
  std::string out(kLongKeyLen, '\0');
  for (int i = kLongKeyLen - 1; i >= 0; --i) {
    out[size_t(i)] = char(kGroupBase + (u & 0x7F));
    u >>= 7;
  }
  return out;
}

int32_t LongFromKey(std::string_view key) {
  if (key.size() < size_t(kLongKeyLen)) return 0;
  uint64_t u = 0;
  for (int i = 0; i < kLongKeyLen; ++i)
    u = (u << 7) | (uint64_t(static_cast<unsigned char>(key[size_t(i)]) - kGroupBase) & 0x7F);
  return int32_t(int64_t(u) - 0x80000000LL);
}

static std::string BigEndian4(int32_t value) {
  uint32_t u = uint32_t(value);
  std::string out(4, '\0');
  for (int i = 3; i >= 0; --i) {
    out[size_t(i)] = char(u & 0xFF);
    u >>= 8;
  }
  return out;
}

std::string DateKey(int32_t day) { return BigEndian4(day); }
std::string TimeKey(int32_t seconds) { return BigEndian4(seconds); }

int32_t FromBigEndian4(std::string_view key) {
  if (key.size() < 4) return 0;
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u = (u << 8) | static_cast<unsigned char>(key[size_t(i)]);
  return int32_t(u);
}

}  // namespace keycodec
