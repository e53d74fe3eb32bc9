// Reading an ADIF file as the file choice of the import window does: the file into
// record texts and the field names found in them. Files of 10 bytes per '<' whose tags
// close far away or never hold a ':', the shapes that would make a scan from every '<'
// quadratic. Argument: the number of '<' (1,000,000 is a file of 10 MB).
#include <QFile>
#include <QTemporaryDir>

#include "benchsupport.h"
#include "foundation/testdesktop.h"
#include "log/adifimportctrl.h"

namespace {

// One record over lines of 1,000 bytes: stray '<' in a value, its only '>' at the end.
std::string StrayLessThans(int count) {
  std::string text = "<EOH>\r\n<COMMENT:1>";
  for (int i = 0; i < count; ++i) {
    text += "x<xxxxxxxx";
    if (i % 100 == 99) text += "\r\n";
  }
  return text + "<EOR>\r\n";
}

// Tags without length, so without ':', ten to a line; a record every thousand tags.
std::string TagsWithoutColon(int count) {
  std::string text = "<EOH>\r\n";
  for (int i = 0; i < count; ++i) {
    text += "<F" + std::to_string(i % 100000 + 100000) + ">";
    if (i % 10 == 9) text += "\r\n";
    if (i % 1000 == 999) text += "<EOR>\r\n";
  }
  return text + "<EOR>\r\n";
}

void ReadFile(benchmark::State& state, const std::string& text) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("hostile.adi"));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(text.data(), qint64(text.size()));
  file.close();
  TTestDesktop desk;
  TContestRec def;
  size_t names = 0;
  for (auto _ : state) {
    TContestAdifimportCtrl ctrl(nullptr, def);
    std::vector<std::string> found;
    ctrl.ReadAdifFile(S(path), found);
    names = found.size();
  }
  state.counters["MB"] = double(text.size()) / 1e6;
  state.counters["names"] = double(names);
}

void BM_ScanStrayLessThans(benchmark::State& state) {
  ReadFile(state, StrayLessThans(int(state.range(0))));
}
BENCHMARK(BM_ScanStrayLessThans)
    ->Arg(30000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

void BM_ScanTagsWithoutColon(benchmark::State& state) {
  ReadFile(state, TagsWithoutColon(int(state.range(0))));
}
BENCHMARK(BM_ScanTagsWithoutColon)
    ->Arg(30000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return benchsupport::RunOffscreen(argc, argv); }
