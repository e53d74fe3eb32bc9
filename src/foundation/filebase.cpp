#include "foundation/filebase.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <QDir>
#include <cerrno>

#include "foundation/cp1252.h"

bool TFileBaseSS::FileExists(std::string_view name) {
  if (name.empty()) return false;
  struct stat st {};
  return ::stat(cp1252::ToLocalPath(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool TFileBaseSS::RenameFile(std::string_view oldName, std::string_view newName) {
  if (oldName.empty() || newName.empty()) return false;
  const std::string from = cp1252::ToLocalPath(oldName);
  const std::string to = cp1252::ToLocalPath(newName);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without the no-replace flag: look first, then rename.
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) return false;
  return ::rename(from.c_str(), to.c_str()) == 0;
}

std::string TFileBaseSS::AddBackslash(std::string_view path) {
  std::string out(path);
  if (!out.empty() && out.back() != '/' && out.back() != ':') out += '/';
  return out;
}

std::string TFileBaseSS::FindFileNoCase(std::string_view dir, std::string_view name) {
  if (name.empty() || name.find('/') != std::string_view::npos) return {};
  const std::string prefix = AddBackslash(dir);
  if (FileExists(prefix + std::string(name))) return prefix + std::string(name);
  const QString wanted = Q(name);
  const QDir folder(dir.empty() ? QStringLiteral(".") : Q(dir));
  const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& entry : entries) {
    if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return prefix + S(entry);
  }
  return {};
}
