#pragma once
// Table-driven checks of record layouts: each field is written with a value that fills
// its whole width (a too-long text for strings) into a record whose other bytes carry a
// marker, then read back; no byte outside the field may change.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

template <typename R>
struct TFieldCheck {
  std::string Name;
  size_t Offset;
  size_t Width;
  std::function<void(R&)> Write;
  std::function<bool(const R&)> ReadsBack;
};

template <typename R>
TFieldCheck<R> StrField(std::string name, size_t off, size_t cap, void (R::*set)(std::string_view),
                        std::string (R::*get)() const) {
  return {name, off, cap + 1, [=](R& r) { (r.*set)(std::string(cap + 3, 'Q')); },
          [=](const R& r) { return (r.*get)() == std::string(cap, 'Q'); }};
}

template <typename R, typename T>
TFieldCheck<R> NumField(std::string name, size_t off, void (R::*set)(T), T (R::*get)() const) {
  // A value whose every byte differs from the marker byte.
  T v;
  std::memset(&v, 0x13, sizeof v);
  return {name, off, sizeof(T), [=](R& r) { (r.*set)(v); },
          [=](const R& r) { return (r.*get)() == v; }};
}

template <typename R>
void ExpectFieldsInPlace(const std::vector<TFieldCheck<R>>& fields) {
  constexpr uint8_t kMarker = 0x5A;
  for (const auto& f : fields) {
    R r;
    std::memset(r.Data(), kMarker, r.Size());
    f.Write(r);
    EXPECT_TRUE(f.ReadsBack(r)) << f.Name;
    for (size_t i = 0; i < r.Size(); ++i) {
      bool inside = i >= f.Offset && i < f.Offset + f.Width;
      if (!inside) {
        ASSERT_EQ(r.Data()[i], kMarker) << f.Name << " spilled into byte " << i;
      }
    }
    EXPECT_NE(r.Data()[f.Offset], kMarker) << f.Name << " does not start at " << f.Offset;
    EXPECT_NE(r.Data()[f.Offset + f.Width - 1], kMarker) << f.Name << " is narrower";
  }
}
