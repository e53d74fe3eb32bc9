#pragma once
// Typed access to fixed-layout records kept as byte buffers. Integers are little-endian,
// floats are 4-byte IEEE, strings are length-prefixed with a fixed capacity (a string of
// 12 takes 13 bytes). Writes never spill into the neighbouring field: a longer text is
// cut to the capacity. Reads clamp a damaged length byte to the capacity.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace recordbuf {

int32_t GetI32(const uint8_t* rec, size_t off);
void SetI32(uint8_t* rec, size_t off, int32_t value);
uint16_t GetU16(const uint8_t* rec, size_t off);
void SetU16(uint8_t* rec, size_t off, uint16_t value);
int16_t GetI16(const uint8_t* rec, size_t off);
void SetI16(uint8_t* rec, size_t off, int16_t value);
float GetFloat(const uint8_t* rec, size_t off);
void SetFloat(uint8_t* rec, size_t off, float value);
// capacity: the number of characters (the field takes capacity + 1 bytes).
std::string GetStr(const uint8_t* rec, size_t off, size_t capacity);
void SetStr(uint8_t* rec, size_t off, size_t capacity, std::string_view text);

}  // namespace recordbuf

// A record of fixed size, zero-filled when made.
class TRecord {
 public:
  explicit TRecord(size_t size) : bytes_(size, 0) {}
  size_t Size() const { return bytes_.size(); }
  uint8_t* Data() { return bytes_.data(); }
  const uint8_t* Data() const { return bytes_.data(); }
  void Clear() { std::fill(bytes_.begin(), bytes_.end(), uint8_t(0)); }
  // Copies from a buffer of any size: the rest stays zero, a longer buffer is cut.
  void Assign(const uint8_t* data, size_t size);
  bool operator==(const TRecord& other) const { return bytes_ == other.bytes_; }

  uint8_t Byte(size_t off) const { return bytes_.at(off); }
  void SetByte(size_t off, uint8_t v) { bytes_.at(off) = v; }
  int32_t I32(size_t off) const { return recordbuf::GetI32(At(off, 4), 0); }
  void SetI32(size_t off, int32_t v) { recordbuf::SetI32(At(off, 4), 0, v); }
  uint16_t U16(size_t off) const { return recordbuf::GetU16(At(off, 2), 0); }
  void SetU16(size_t off, uint16_t v) { recordbuf::SetU16(At(off, 2), 0, v); }
  int16_t I16(size_t off) const { return recordbuf::GetI16(At(off, 2), 0); }
  void SetI16(size_t off, int16_t v) { recordbuf::SetI16(At(off, 2), 0, v); }
  float Float(size_t off) const { return recordbuf::GetFloat(At(off, 4), 0); }
  void SetFloat(size_t off, float v) { recordbuf::SetFloat(At(off, 4), 0, v); }
  std::string Str(size_t off, size_t capacity) const {
    return recordbuf::GetStr(At(off, capacity + 1), 0, capacity);
  }
  void SetStr(size_t off, size_t capacity, std::string_view text) {
    recordbuf::SetStr(At(off, capacity + 1), 0, capacity, text);
  }

 private:
  // Bounds-checked: a field outside the record is a programming error, never a silent
  // write into memory behind it.
  const uint8_t* At(size_t off, size_t width) const;
  uint8_t* At(size_t off, size_t width);
  std::vector<uint8_t> bytes_;
};
