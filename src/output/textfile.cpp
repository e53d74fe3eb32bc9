#include "output/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

TTextTarget::TTextTarget() = default;

TTextTarget::~TTextTarget() {
  // A file never closed was not finished: it must not take the name.
  if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) save->cancelWriting();
}

bool TTextTarget::Create(const QString& path) {
  if (file_) Close();
  failed_ = false;
  const QFileInfo target(path);
  // A temporary file renamed over a device would replace the device.
  if (target.exists() && !target.isFile()) {
    file_ = std::make_unique<QFile>(path);
  } else {
    // Through a link the file it names is replaced, not the link.
    auto save = std::make_unique<QSaveFile>(target.isSymLink() ? target.canonicalFilePath() : path);
    save->setDirectWriteFallback(false);
    file_ = std::move(save);
  }
  if (file_->open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;
  file_.reset();
  return false;
}

void TTextTarget::Write(std::string_view bytes) {
  if (!file_ || failed_) return;
  if (file_->write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) failed_ = true;
}

void TTextTarget::WriteLine(std::string_view line) {
  Write(line);
  Write("\r\n");
}

bool TTextTarget::Close() {
  if (!file_) return true;
  bool ok = !failed_;
  if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) {
    if (!ok) save->cancelWriting();
    // The rename happens only when every byte was written and synced.
    ok = save->commit() && ok;
  } else {
    // The buffered rest is written here: a full disk is often noticed only now.
    ok = file_->flush() && ok;
    file_->close();
    ok = ok && file_->error() == QFileDevice::NoError;
  }
  file_.reset();
  failed_ = false;
  return ok;
}

namespace textfile {

bool WriteWhole(const QString& path, std::string_view bytes, bool& created) {
  TTextTarget file;
  created = file.Create(path);
  if (!created) return false;
  file.Write(bytes);
  return file.Close();
}

}  // namespace textfile
