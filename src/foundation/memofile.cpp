#include "foundation/memofile.h"

#include <QFile>
#include <QSaveFile>

#include "foundation/cp1252.h"

namespace memofile {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += separator;
    text += lines[i];
  }
  return text;
}

bool LoadLines(std::string_view fileName, std::vector<std::string>& lines) {
  lines.clear();
  QFile file(Q(fileName));
  if (fileName.empty() || !file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  lines = SplitLines(std::string_view(bytes.constData(), size_t(bytes.size())));
  return true;
}

bool SaveLines(std::string_view fileName, const std::vector<std::string>& lines) {
  if (fileName.empty()) return false;
  QSaveFile file(Q(fileName));
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const std::string& line : lines) {
    if (file.write(line.data(), qint64(line.size())) != qint64(line.size())) return false;
    if (file.write("\r\n", 2) != 2) return false;
  }
  return file.commit();
}

}  // namespace memofile
