#include "output/filemessage.h"

#include "foundation/cp1252.h"
#include "foundation/desktop.h"

namespace filemessage {
namespace {

void Show(TMessageKind kind, std::string_view title, std::string_view before, const QString& name,
          std::string_view after) {
  TMessage m;
  m.Kind = kind;
  m.Title = Q(title);
  m.Text = Q(before) + name + Q(after);
  Desktop().Message(m);
}

}  // namespace

void Error(std::string_view before, const QString& name, std::string_view after) {
  Show(TMessageKind::Error, {}, before, name, after);
}

void Notice(std::string_view title, std::string_view before, const QString& name,
            std::string_view after) {
  Show(TMessageKind::Notice, title, before, name, after);
}

}  // namespace filemessage
