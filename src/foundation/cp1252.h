#pragma once
// Text in this program is Windows-1252 bytes (records, files, literals). This is the one
// crossing into Qt's UTF-16 and back. Every byte round-trips: the five bytes that
// Windows-1252 leaves undefined map to the C1 control characters of the same value.

#include <QString>
#include <string>
#include <string_view>

namespace cp1252 {

QString ToQString(std::string_view bytes);
// Characters with no Windows-1252 form become '?'.
std::string FromQString(const QString& text);
QChar ToUnicode(unsigned char byte);
// A path built from record text, as the file system takes it (UTF-8).
std::string ToLocalPath(std::string_view bytes);

}  // namespace cp1252

// Shorthand used all over the windows: Q("Text") is a Windows-1252 literal as QString.
inline QString Q(std::string_view bytes) { return cp1252::ToQString(bytes); }
inline std::string S(const QString& text) { return cp1252::FromQString(text); }
