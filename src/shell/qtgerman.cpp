#include "shell/qtgerman.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace qtgerman {
namespace {
std::unique_ptr<QTranslator> gTranslator;
}  // namespace

bool Install() {
  Remove();
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  if (!QCoreApplication::installTranslator(translator.get())) return false;
  gTranslator = std::move(translator);
  return true;
}

void Remove() {
  if (!gTranslator) return;
  QCoreApplication::removeTranslator(gTranslator.get());
  gTranslator.reset();
}

}  // namespace qtgerman
