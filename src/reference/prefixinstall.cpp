#include "reference/prefixinstall.h"

#include <QFile>

#include "foundation/cp1252.h"
#include "reference/datprefix.h"
#include "reference/prefixrec.h"

namespace prefixinstall {
namespace {

QString DbPath(const std::string& dir, uint8_t kind) {
  std::string path = dir;
  if (!path.empty() && path.back() != '/') path += '/';
  return Q(path + ToDatPrefix::FileName(kind) + ".db");
}

bool CopyWhole(const QString& from, const QString& to) {
  const QString part = to + QStringLiteral(".part");
  QFile::remove(part);
  if (!QFile::copy(from, part)) return false;
  // The copy keeps the shipped file's read-only mode; the program writes to its files.
  QFile::setPermissions(part, QFile::permissions(part) | QFileDevice::WriteOwner);
  if (QFile::rename(part, to)) return true;
  QFile::remove(part);
  return false;
}

}  // namespace

bool InstallShippedFiles(const std::string& shippedDir, const std::string& dataDir) {
  using prefixrec::kMain;
  if (shippedDir.empty() || QFile::exists(DbPath(dataDir, kMain))) return false;
  if (!QFile::exists(DbPath(shippedDir, kMain))) return false;
  bool mainCopied = false;
  for (uint8_t kind = prefixrec::kMain; kind <= prefixrec::kCallGroups; ++kind) {
    const QString from = DbPath(shippedDir, kind), to = DbPath(dataDir, kind);
    if (!QFile::exists(from) || QFile::exists(to)) continue;
    const bool copied = CopyWhole(from, to);
    if (kind == kMain) mainCopied = copied;
  }
  return mainCopied;
}

}  // namespace prefixinstall
