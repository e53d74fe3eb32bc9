#include "log/receivedfield.h"

#include "contest/contestrec.h"
#include "foundation/messages.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "tables/contesttables.h"

namespace logentry {

bool StoreReceivedField(int32_t kind, const std::string& text, const TdbContestBase& listTable,
                        bool warn, TContestQSORec& rec) {
  switch (kind) {
    case exchangekind::kDok:
      if (!TContLogAlle::IsGermanCall(rec.Call(), listTable)) break;
      if (!TContLogAlle::IsValidArea(text, listTable)) {
        rec.SetDOK1("");
        rec.SetDOK2("");
      } else if (text.size() == 3 && text[0] == 'J' && text[1] >= '0' && text[1] <= '9') {
        if (warn) ToMessages::ShowWarning("Contest", "Fehler bei DOK-Angabe");
      } else {
        rec.SetDOK(text);
      }
      break;
    case exchangekind::kUsState: rec.SetWAZ_USStaat(TContLogAlle::UsStateCode(text)); break;
    case exchangekind::kPostcode:
      if (!ToStrings::Trim(ToStrings::Left(text, 2)).empty())
        rec.SetWAZ_USStaat(ToStrings::Left(text, 2));
      break;
    case exchangekind::kClubMember:
      if (!ToStrings::Trim(ToStrings::Left(text, 4)).empty())
        rec.SetCall2(ToStrings::Trim(ToStrings::Left(text, 4)));
      break;
    case exchangekind::kListMember:
      if (!ToStrings::Trim(ToStrings::Left(text, 6)).empty())
        rec.SetCall2(ToStrings::Trim(ToStrings::Left(text, 6)));
      break;
    default: return false;
  }
  return true;
}

}  // namespace logentry
