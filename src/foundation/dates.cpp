#include "foundation/dates.h"

#include <QDateTime>
#include <array>

#include "foundation/daynumber.h"
#include "foundation/desktop.h"
#include "foundation/keystr.h"

int32_t UtcOffsetHours = 0;

namespace {

// The three fields of a picture, in the order of their letters ("dmy" or "hms").
using TFields = std::array<int, 3>;

int FieldOf(char pictureChar, std::string_view letters) {
  const char c = pictureChar >= 'A' && pictureChar <= 'Z' ? char(pictureChar + 0x20) : pictureChar;
  const size_t at = letters.find(c);
  return at == std::string_view::npos ? -1 : int(at);
}

// Writes each run of field letters as its value with zeros in front, keeping the last
// digits where the run is shorter than the number ("yy"); blanks when bad.
std::string Format(std::string_view picture, std::string_view letters, const TFields& values,
                   bool bad) {
  std::string out(picture);
  for (size_t i = 0; i < picture.size();) {
    const int field = FieldOf(picture[i], letters);
    size_t end = i + 1;
    while (end < picture.size() && picture[end] == picture[i]) ++end;
    if (field >= 0) {
      std::string digits = std::to_string(values[size_t(field)]);
      for (size_t k = end; k-- > i;) {
        out[k] = bad ? ' ' : digits.empty() ? '0' : digits.back();
        if (!digits.empty()) digits.pop_back();
      }
    }
    i = end;
  }
  return out;
}

// Reads the digits under each run of field letters; blanks around them are allowed,
// anything else (or an empty field, or a digit under a separator) makes the text invalid.
// digitCount tells how many digits each field held; 0 for a field the picture lacks.
bool Read(std::string_view text, std::string_view picture, std::string_view letters,
          TFields& values, TFields& digitCount) {
  values = {0, 0, 0};
  digitCount = {0, 0, 0};
  bool any = false;
  for (size_t i = 0; i < picture.size();) {
    const int field = FieldOf(picture[i], letters);
    size_t end = i + 1;
    while (end < picture.size() && picture[end] == picture[i]) ++end;
    if (field >= 0) {
      int value = 0, digits = 0;
      bool trailingBlank = false;
      for (size_t k = i; k < end; ++k) {
        const char c = k < text.size() ? text[k] : ' ';
        if (c == ' ') {
          if (digits > 0) trailingBlank = true;
        } else if (c >= '0' && c <= '9' && !trailingBlank) {
          value = value * 10 + (c - '0');
          ++digits;
        } else {
          return false;
        }
      }
      if (digits == 0) return false;
      values[size_t(field)] = value;
      digitCount[size_t(field)] = digits;
      any = true;
    } else {
      // A digit where the picture has a separator means the fields are not where the
      // picture puts them ("1530" as "hh:mm" would read 15:00).
      for (size_t k = i; k < end && k < text.size(); ++k)
        if (text[k] >= '0' && text[k] <= '9') return false;
    }
    i = end;
  }
  return any;
}

constexpr std::string_view kDateLetters = "dmy";
constexpr std::string_view kTimeLetters = "hms";

struct TMoment {
  int32_t Day = ToDates::kBadDate;
  int32_t Seconds = ToDates::kBadTime;
};

TMoment NowLocal() {
  const QDateTime now = Desktop().NowLocal();
  TMoment m;
  if (!now.isValid()) return m;
  const QDate d = now.date();
  m.Day = daynumber::FromYMD(d.year(), d.month(), d.day());
  m.Seconds = now.time().msecsSinceStartOfDay() / 1000;
  return m;
}

// The local clock moved by the program's UTC offset, in wall-clock arithmetic so that a
// change of daylight-saving time on the computer plays no part.
TMoment NowUTC() {
  TMoment m = NowLocal();
  if (m.Day < 0) return m;
  const int64_t total = int64_t(m.Seconds) + int64_t(UtcOffsetHours) * 3600;
  int64_t days = total / ToDates::kSecondsPerDay;
  int64_t secs = total % ToDates::kSecondsPerDay;
  if (secs < 0) {
    secs += ToDates::kSecondsPerDay;
    --days;
  }
  const int64_t day = int64_t(m.Day) + days;
  if (day < 0 || day > daynumber::LastDay()) return TMoment{};
  return TMoment{int32_t(day), int32_t(secs)};
}

bool ValidTime(int32_t time) { return time >= 0 && time < ToDates::kSecondsPerDay; }

}  // namespace

int32_t ToDates::Today() { return NowLocal().Day; }
int32_t ToDates::TodayUTC() { return NowUTC().Day; }
int32_t ToDates::CurrentTimeUTC() { return NowUTC().Seconds; }

std::string ToDates::TodayString(std::string_view picture) {
  return DateToDateString(Today(), picture);
}
std::string ToDates::TodayUTCString(std::string_view picture) {
  return DateToDateString(TodayUTC(), picture);
}
std::string ToDates::CurrentTimeString(std::string_view picture) {
  return TimeToTimeString(NowLocal().Seconds, picture);
}
std::string ToDates::CurrentTimeUTCString(std::string_view picture) {
  return TimeToTimeString(CurrentTimeUTC(), picture);
}

std::string ToDates::DateToDateString(int32_t date, std::string_view picture) {
  int y = 0, m = 0, d = 0;
  const bool good = daynumber::ToYMD(date, y, m, d);
  return Format(picture, kDateLetters, {d, m, y}, !good);
}

std::string ToDates::TimeToTimeString(int32_t time, std::string_view picture) {
  int h = 0, m = 0, s = 0;
  TimeToHMS(time, h, m, s);
  return Format(picture, kTimeLetters, {h, m, s}, !ValidTime(time));
}

int32_t ToDates::DateStringToDate(std::string_view text, std::string_view picture) {
  TFields v, digits;
  if (!Read(text, picture, kDateLetters, v, digits)) return kBadDate;
  if (digits[0] == 0 || digits[1] == 0 || digits[2] == 0) return kBadDate;
  int year = v[2];
  if (digits[2] <= 2) year += year < 50 ? 2000 : 1900;
  return daynumber::FromYMD(year, v[1], v[0]);
}

int32_t ToDates::TimeStringToTime(std::string_view text, std::string_view picture) {
  std::string full(text);
  // A time typed without seconds into a field that shows them.
  if (full.size() == 5 && (picture == "hh:mm:ss" || picture == "HH:MM:SS")) full += ":00";
  TFields v, digits;
  if (!Read(full, picture, kTimeLetters, v, digits)) return kBadTime;
  if (v[0] > 23 || v[1] > 59 || v[2] > 59) return kBadTime;
  return v[0] * 3600 + v[1] * 60 + v[2];
}

int32_t ToDates::IncTime(int32_t time, uint8_t hours, uint8_t minutes, uint8_t seconds) {
  // A missing time must not turn into a real one by adding a second to it.
  if (time < 0) return kBadTime;
  const int64_t sum = int64_t(time) + hours * 3600 + minutes * 60 + seconds;
  return int32_t(sum % kSecondsPerDay);
}

void ToDates::TimeToHMS(int32_t time, int& hour, int& minute, int& second) {
  if (!ValidTime(time)) time = 0;
  hour = time / 3600;
  minute = time / 60 % 60;
  second = time % 60;
}

int ToDates::UtcShiftMinutes() { return Desktop().UtcShiftMinutes(); }

void ToDates::TakeSystemUtcOffset() { UtcOffsetHours = UtcShiftMinutes() / 60; }

std::string ToDates::DateToKey(int32_t date, bool keyFlag) {
  return keyFlag ? keycodec::DateKey(date) : std::to_string(date);
}

std::string ToDates::TimeToKey(int32_t time, bool keyFlag) {
  return keyFlag ? keycodec::TimeKey(time) : std::to_string(time);
}
