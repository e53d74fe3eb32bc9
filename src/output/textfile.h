#pragma once
// The text file of a file job. Lines are Windows-1252 bytes ending in CR LF, as the
// organisers' tools read them. Every write is checked: a full disk or a vanished target
// shows up at the latest when the file is closed, so no half-written file is reported
// as made.

#include <cstdio>
#include <string>
#include <string_view>

class TTextTarget {
 public:
  TTextTarget() = default;
  ~TTextTarget();
  TTextTarget(const TTextTarget&) = delete;
  TTextTarget& operator=(const TTextTarget&) = delete;

  // Creates (or empties) the file; false when it cannot be created.
  bool Create(const std::string& localPath);
  bool IsOpen() const { return file_ != nullptr; }
  // One line and CR LF.
  void WriteLine(std::string_view line);
  // Closes the file; true when every byte reached it.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};
