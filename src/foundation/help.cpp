#include "foundation/help.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/messages.h"
#include "foundation/progdir.h"

namespace hh_funcs {
namespace {
// Viewers of compiled help files, in the order they are preferred.
const char* const kHelpViewers[] = {"xchm", "kchmviewer"};

QString FindInFolder(const std::string& folder, const QString& name) {
  if (folder.empty()) return {};
  QDir dir(Q(folder));
  for (const QString& entry : dir.entryList(QDir::Files | QDir::Readable))
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return {};
}
}  // namespace

void GetWindowsFolder(std::string& dir) {
  const char* windir = std::getenv("WINDIR");
  dir = windir && *windir ? windir : "/usr/bin";
  while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
}

std::string MakeHelpPath(std::string_view file, std::string_view topic, std::string_view window,
                         int prefixKind) {
  std::string path = prefixKind == 2 ? "ms-its:" : "";
  path += file;
  if (!topic.empty()) {
    path += "::";
    if (topic.front() != '/') path += '/';
    path += topic;
  }
  if (!window.empty()) {
    path += '>';
    path += window;
  }
  return path;
}

bool ShellOpen(std::string_view file, std::string_view params) {
  const QString target = Q(file);
  bool ok = false;
  if (!target.isEmpty()) {
    // Parameters mean a program to run; anything else opens with its default program.
    ok = params.empty() ? Desktop().OpenLink(target)
                        : Desktop().StartProgram(target, QProcess::splitCommand(Q(params)));
  }
  if (!ok) ToMessages::ShowError("\"" + std::string(file) + "\" konnte nicht geöffnet werden.");
  return ok;
}

std::string FindHelpViewer() {
  for (const char* name : kHelpViewers) {
    QString path = QStandardPaths::findExecutable(QLatin1String(name));
    if (!path.isEmpty()) return S(path);
  }
  return {};
}

std::string FindHelpFile(std::string_view name) {
  const QString wanted = Q(name);
  for (const std::string& folder : {ProgramDirectory(), ShippedDataDirectory()}) {
    QString path = FindInFolder(folder, wanted);
    if (!path.isEmpty()) return S(path);
  }
  return {};
}

bool ShowHelp() {
  const std::string viewer = FindHelpViewer();
  if (viewer.empty()) return false;
  const std::string file = FindHelpFile();
  if (file.empty()) return false;
  return Desktop().StartProgram(Q(viewer), {Q(file)});
}

}  // namespace hh_funcs
