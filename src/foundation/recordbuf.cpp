#include "foundation/recordbuf.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace recordbuf {

int32_t GetI32(const uint8_t* rec, size_t off) {
  uint32_t u = uint32_t(rec[off]) | uint32_t(rec[off + 1]) << 8 | uint32_t(rec[off + 2]) << 16 |
               uint32_t(rec[off + 3]) << 24;
  return int32_t(u);
}

void SetI32(uint8_t* rec, size_t off, int32_t value) {
  uint32_t u = uint32_t(value);
  for (int i = 0; i < 4; ++i) rec[off + size_t(i)] = uint8_t(u >> (8 * i));
}

uint16_t GetU16(const uint8_t* rec, size_t off) { return uint16_t(rec[off] | rec[off + 1] << 8); }

void SetU16(uint8_t* rec, size_t off, uint16_t value) {
  rec[off] = uint8_t(value);
  rec[off + 1] = uint8_t(value >> 8);
}

int16_t GetI16(const uint8_t* rec, size_t off) { return int16_t(GetU16(rec, off)); }
void SetI16(uint8_t* rec, size_t off, int16_t value) { SetU16(rec, off, uint16_t(value)); }

float GetFloat(const uint8_t* rec, size_t off) {
  uint32_t u = uint32_t(GetI32(rec, off));
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

void SetFloat(uint8_t* rec, size_t off, float value) {
  uint32_t u;
  std::memcpy(&u, &value, 4);
  SetI32(rec, off, int32_t(u));
}

std::string GetStr(const uint8_t* rec, size_t off, size_t capacity) {
  size_t len = std::min<size_t>(rec[off], capacity);
  return std::string(reinterpret_cast<const char*>(rec + off + 1), len);
}

void SetStr(uint8_t* rec, size_t off, size_t capacity, std::string_view text) {
  size_t len = std::min(text.size(), capacity);
  rec[off] = uint8_t(len);
  if (len > 0) std::memcpy(rec + off + 1, text.data(), len);  // an empty view may hold null
  // Clear the rest so equal texts give equal records.
  std::memset(rec + off + 1 + len, 0, capacity - len);
}

}  // namespace recordbuf

void TRecord::Assign(const uint8_t* data, size_t size) {
  Clear();
  if (data && size > 0) std::memcpy(bytes_.data(), data, std::min(size, bytes_.size()));
}

const uint8_t* TRecord::At(size_t off, size_t width) const {
  if (off + width > bytes_.size()) throw std::out_of_range("record field outside the record");
  return bytes_.data() + off;
}

uint8_t* TRecord::At(size_t off, size_t width) {
  if (off + width > bytes_.size()) throw std::out_of_range("record field outside the record");
  return bytes_.data() + off;
}
