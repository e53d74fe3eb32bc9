#pragma once
// The writers of whole outputs, run by the output job dispatcher on the export writer's
// current job. Each returns false when it wrote its output (the dispatcher then reports
// the file), true when nothing was written.

#include "output/allerout.h"

struct TContestRec;
class TdbContestBase;

namespace stdrout {

// The run over the log in QSO-number order, by the output mode of the job: the format
// header, one line per QSO inside the periods (band-change lines never), the format's
// end and, for the printed and E-Log lists, the totals footer. With perBand one section
// per band of the definition, each with its own header and without footer.
bool ExportLog(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
               TdbContestBase& listTable, bool perBand, const TEdiTexts& edi,
               TdbContestBase& configTable);
// ExportLog per band.
bool ExportBandLog(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
                   TdbContestBase& listTable, TdbContestBase& configTable);

// The cover sheet of the log (coversheet.cpp).
bool WriteCoverSheet(TAlleRout& out, const TContestRec& def, const TZeitraum4Rec& periods,
                     TdbContestBase& listTable, TdbContestBase& configTable);
// The multiplier check list (multichecklist.cpp).
bool WriteMultiplierCheckList(TAlleRout& out, const TContestRec& def, TdbContestBase& listTable,
                              TdbContestBase& configTable);

}  // namespace stdrout
