#pragma once
// Building blocks of key texts: text fields blank-padded or cut to their width in the
// key, numbers as sortable 5-byte keys, descending numbers, dates and times.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>

#include "storage/dbkeys.h"

namespace keyparts {

// Text blank-padded on the right or cut to exactly width characters.
std::string Fit(std::string_view text, size_t width);
// A number that sorts descending: 99999999 minus the value, as a sortable number key.
std::string Desc(int32_t value);
// A call as the call keys hold it: its home part in upper case, so that one search finds
// a station in every form it was logged in ("DL1ABC", "DL1ABC/P", "EA8/DL1ABC"). Not padded.
std::string CallForm(std::string_view call);
// One character of a key (a band code, district or special-DOK letter).
inline std::string Ch(char c) { return std::string(1, c); }

// A file's key list from (length, duplicates, expression) triples, key 1 first.
ToKeys MakeKeys(std::initializer_list<std::tuple<int, bool, const char*>> list);

constexpr size_t kCall = 14;
constexpr size_t kLoc = 6;
constexpr size_t kMode = 6;
constexpr size_t kDok = 8;
constexpr size_t kPrefix = 6;
constexpr size_t kDxcc = 6;
constexpr size_t kCall2 = 12;
constexpr size_t kMulti = 6;
constexpr size_t kZone = 2;
constexpr size_t kContestName = 25;

}  // namespace keyparts
