#pragma once
// A database file held by another program: a connection of its own keeps the exclusive
// lock while the object lives.

#include <sqlite3.h>

#include <string>

class THeldFile {
 public:
  explicit THeldFile(const std::string& path) {
    held_ = sqlite3_open(path.c_str(), &db_) == SQLITE_OK &&
            sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE", nullptr, nullptr,
                         nullptr) == SQLITE_OK;
  }
  ~THeldFile() { sqlite3_close(db_); }
  THeldFile(const THeldFile&) = delete;
  THeldFile& operator=(const THeldFile&) = delete;
  bool Held() const { return held_; }

 private:
  sqlite3* db_ = nullptr;
  bool held_ = false;
};
