#pragma once
// The functions of a list on its records (new, change, delete, search) and the opening
// and closing of its files. Concrete lists derive and keep their table.

#include <cstdint>
#include <string>
#include <vector>

class QWidget;
class TDatenBrowCtrl;

class TDatenFkt {
 public:
  TDatenFkt() = default;
  virtual ~TDatenFkt();
  TDatenFkt(const TDatenFkt&) = delete;
  TDatenFkt& operator=(const TDatenFkt&) = delete;

  virtual bool Change(int32_t ref, QWidget* context);
  virtual bool New(int32_t& ref, QWidget* context);
  // refs: decimal record references.
  virtual bool Delete(const std::vector<std::string>& refs);
  virtual bool OpenFiles();
  virtual void CloseFiles();
  // Before / function / After of the browser controller, which may be null.
  virtual bool DoChange(QWidget* context, TDatenBrowCtrl* browCtrl);
  virtual bool DoNew(QWidget* context, TDatenBrowCtrl* browCtrl);
  virtual bool DoDelete(TDatenBrowCtrl* browCtrl);
  virtual void Search(QWidget* context);
};
