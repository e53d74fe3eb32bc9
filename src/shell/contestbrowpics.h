#pragma once
// The background pictures of the Christmas and Easter contests: JPEGs kept under a
// ".tmp" name in the image directory, decoded where they lie without renaming.

#include <string>

#include "contest/contestrec.h"

class QImage;

struct TContestBackground {
  TContestCode Code;
  const char* Title;  // shown in the title label
  const char* File;
};

namespace contestbrowpics {

// Null for codes without a background picture.
const TContestBackground* BackgroundOf(TContestCode code);
// The picture of the code from the image directory (trailing separator included); a null
// image when the code has none or the file is missing or damaged.
QImage LoadBackground(const std::string& imageDir, TContestCode code);

}  // namespace contestbrowpics
