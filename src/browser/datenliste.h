#pragma once
// Configures and runs the generic modal list window for one table: which functions the
// window offers, the function object and browser controller behind them, and the record
// taken over in select mode. Concrete lists derive.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;
class TdbBase;
class TDatenBrowCtrl;
class TDatenFkt;
class TDatenListeForm;

class TDatenListeCtrl {
 public:
  // (phase 0 start / 1 position / 2 end, position, stop, maximum)
  using TProgress = std::function<void(int, int, bool&, int)>;

  // The descendant hands over what it configures before the base opens the files
  // through the function object: the table, the function object, caption and help context.
  TDatenListeCtrl(QWidget* owner, bool selectMode, std::unique_ptr<TdbBase> table,
                  std::unique_ptr<TDatenFkt> fkt, std::string caption, int helpContext);
  virtual ~TDatenListeCtrl();
  TDatenListeCtrl(const TDatenListeCtrl&) = delete;
  TDatenListeCtrl& operator=(const TDatenListeCtrl&) = delete;

  // Runs the window modally; True when it was closed with OK (in select mode a record
  // was taken over: TakenRef).
  bool Execute();

  virtual void BeforeShow();
  virtual void ApplyVisibility();
  virtual void AfterShow(bool ok);
  virtual void New();
  virtual void Change();
  virtual void Search();
  virtual void Delete();
  virtual void Print();
  virtual bool TakeOver();
  virtual int ExtraFunction1();
  virtual int ExtraFunction2();

  TdbBase* Table() const { return table_.get(); }
  TDatenFkt* Fkt() const { return fkt_.get(); }
  TDatenBrowCtrl* BrowCtrl() const { return browCtrl_.get(); }
  void SetBrowCtrl(std::unique_ptr<TDatenBrowCtrl> ctrl);
  TDatenListeForm* Form() const { return form_; }
  QWidget* Owner() const { return owner_; }
  bool SelectMode() const { return selectMode_; }
  const std::string& Caption() const { return caption_; }
  int HelpContext() const { return helpContext_; }
  int32_t TakenRef() const { return takenRef_; }
  bool FilesOpen() const { return filesOpen_; }

  bool ShowNew = true, ShowChange = true, ShowDelete = true, ShowSearch = true, ShowPrint = true;
  bool ShowExtra1 = false, ShowExtra2 = false;
  std::string Extra1Caption, Extra2Caption;
  // Handed to the extra functions; set by the window while one runs.
  TProgress Progress;
  // Set by a descendant's extra function while it runs.
  bool ExtraRunning = false;

 protected:
  std::unique_ptr<TdbBase> table_;
  bool selectMode_;
  QWidget* owner_;
  int helpContext_;
  std::string caption_;
  TDatenListeForm* form_ = nullptr;
  std::unique_ptr<TDatenFkt> fkt_;
  std::unique_ptr<TDatenBrowCtrl> browCtrl_;
  int32_t takenRef_ = 0;
  bool filesOpen_ = false;
};
