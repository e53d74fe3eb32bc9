#pragma once
// The file of a file job. Lines are Windows-1252 bytes ending in CR LF, as the
// organisers' tools read them; the name is the system's name of the file, as chosen.
// A file is written under a temporary name beside the chosen one and takes its name only
// when it is complete, so a failed job leaves an earlier file of that name as it was.
// A target that is no regular file (a device) is written directly. Every write is
// checked: a full disk or a vanished target shows up at the latest when the file is
// closed, so no half-written file is reported as made.

#include <memory>
#include <string_view>

class QFileDevice;
class QString;

class TTextTarget {
 public:
  TTextTarget();
  ~TTextTarget();
  TTextTarget(const TTextTarget&) = delete;
  TTextTarget& operator=(const TTextTarget&) = delete;

  // Starts the file; false when it cannot be created.
  bool Create(const QString& path);
  bool IsOpen() const { return file_ != nullptr; }
  // One line and CR LF.
  void WriteLine(std::string_view line);
  // The bytes as they are.
  void Write(std::string_view bytes);
  // Ends the file; true when every byte reached it under its name. On a failure an
  // earlier file of the name stays as it was.
  bool Close();

 private:
  std::unique_ptr<QFileDevice> file_;
  bool failed_ = false;
};

namespace textfile {
// The whole file written through TTextTarget. created is false when the file could
// not even be started.
bool WriteWhole(const QString& path, std::string_view bytes, bool& created);
}  // namespace textfile
