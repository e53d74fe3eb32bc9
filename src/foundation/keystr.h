#pragma once
// Key strings as the tables and the record browser pass them, and the byte encodings
// of numbers, dates and times inside keys. Keys compare bytewise, so every encoding
// here keeps the byte order equal to the numeric order.

#include <cstdint>
#include <string>
#include <string_view>

// A key record of 204 bytes: a 32-bit length, then up to 200 key characters, zero-filled.
struct TKeyStr {
  static constexpr int kMaxLen = 200;
  int32_t Len = 0;
  char Chars[kMaxLen] = {};

  // A damaged length is clamped, so a key read from a file never reads past its characters.
  std::string Text() const {
    int32_t n = Len < 0 ? 0 : (Len > kMaxLen ? kMaxLen : Len);
    return std::string(Chars, size_t(n));
  }
  // Longer texts are cut to 200 characters.
  void Assign(std::string_view text);
  bool operator==(const TKeyStr& other) const { return Text() == other.Text(); }
};
static_assert(sizeof(TKeyStr) == 204);

namespace keycodec {

constexpr int kLongKeyLen = 5;
constexpr int kDateKeyLen = 4;

// The 32-bit value as 5 bytes in 7-bit groups, most significant first, offset so that
// no byte is zero or a blank: the padding of key parts never mixes with a number.
std::string LongKey(int32_t value);
int32_t LongFromKey(std::string_view key);  // inverse of LongKey; 0 for a short key
// Dates (day numbers) and times (seconds) as four bytes, big-endian.
std::string DateKey(int32_t day);
std::string TimeKey(int32_t seconds);
int32_t FromBigEndian4(std::string_view key);

}  // namespace keycodec
