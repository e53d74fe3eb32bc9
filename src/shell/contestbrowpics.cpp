#include "shell/contestbrowpics.h"

#include <QImage>
#include <iterator>

#include "foundation/filebase.h"
#include "foundation/image.h"

namespace contestbrowpics {
namespace {

const TContestBackground kBackgrounds[] = {
    {'X', "DARC-Weihnachtswettbewerb", "b1.tmp"},
    {'t', "DARC-Ostercontest", "o1.tmp"},
};

}  // namespace

const TContestBackground* BackgroundOf(TContestCode code) {
  for (const auto& b : kBackgrounds)
    if (b.Code == code) return &b;
  return nullptr;
}

QImage LoadBackground(const std::string& imageDir, TContestCode code) {
  const TContestBackground* b = BackgroundOf(code);
  if (!b) return {};
  const std::string path = imageDir + b->File;
  if (!TFileBaseSS::FileExists(path)) return {};
  return image::LoadImageFile(path);
}

}  // namespace contestbrowpics
