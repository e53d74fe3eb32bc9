#include "output/textfile.h"

TTextTarget::~TTextTarget() {
  if (file_) std::fclose(file_);
}

bool TTextTarget::Create(const std::string& localPath) {
  if (file_) Close();
  failed_ = false;
  file_ = std::fopen(localPath.c_str(), "wb");
  return file_ != nullptr;
}

void TTextTarget::WriteLine(std::string_view line) {
  if (!file_ || failed_) return;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite("\r\n", 1, 2, file_) != 2)
    failed_ = true;
}

bool TTextTarget::Close() {
  if (!file_) return true;
  // The buffered rest is written here: a full disk is often noticed only now.
  bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  failed_ = false;
  return ok;
}
