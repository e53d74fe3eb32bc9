#pragma once
// Logbook projects (BM5PRO, in the program directory beside the settings), the current
// project, and the suite logbook of a project (BMQS + project number).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "tables/suiterecs.h"
#include "tables/tablefile.h"

class ToDatProject {
 public:
  enum : int { kProjectFile = 1 };
  static bool OpenFiles(int fileSet);
  // Also frees the current project's table object, which lives on the project file.
  static void CloseFiles(int fileSet);
  static TFileDef FileDef();
};

class TdbProjectBase : public TdbFileTable {
 public:
  explicit TdbProjectBase(uint8_t mode = 0);
  int32_t GetNumber() const { return GetProjectRec().Nummer(); }
  TProjectRec GetProjectRec() const { return WorkAs<TProjectRec>(); }
  void SetProjectRec(const TProjectRec& r) { SetWork(r); }
};

class TdbProject : public TdbProjectBase {
 public:
  using TdbProjectBase::TdbProjectBase;
  bool FindNumber(int32_t number);
};

// The current logbook project.
class ToProjecte {
 public:
  // The project of that number becomes current; false when there is none.
  bool SelectProject(int32_t number);
  // The table object positioned on the current project, made on first use. With no
  // project selected the first one is taken; an empty project file gets a default
  // project first, so that the program always has one.
  TdbProject& GetProject();
  int32_t CurrentNumber() const { return current_; }
  // Frees the table object (before the project file is closed).
  void Close();

 private:
  TdbProject& Table();
  std::unique_ptr<TdbProject> table_;
  int32_t current_ = 0;
};

// The current-project object, made and freed by the start-up.
ToProjecte& Projecte();

// The suite logbook of a project.
class TdbQSO : public TdbFileTable {
 public:
  enum TField : int { kFieldCall = 2, kFieldDxcc = 3, kFieldName = 19, kFieldQth = 20 };
  // The table object on the suite logbook of a project.
  static std::unique_ptr<TdbQSO> CreateForLog(int32_t project, uint8_t mode = 0);
  TdbQSO(int32_t project, uint8_t mode);

  // The first QSO whose call (upper case) is at least the text; load: into the working copy.
  bool FindCall(std::string_view call, bool load = true);
  // One field of the current QSO as text; empty for other field ids.
  std::string GetFieldText(int fieldId) const;

  TSuiteQSORec GetQSORec() const { return WorkAs<TSuiteQSORec>(); }
  void SetQSORec(const TSuiteQSORec& r) { SetWork(r); }

  static TFileDef FileDef(int32_t project);
};
