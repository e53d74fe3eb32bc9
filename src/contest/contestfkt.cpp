#include "contest/contestfkt.h"

#include "contest/contestload.h"
#include "contest/exchangesplit.h"

TContestFkt* oContestFkt = nullptr;

bool TContestFkt::LoadContestDefinition(TContestRec& def, TdbContest& contestTable,
                                        TContestCode code, bool existing) const {
  return ::LoadContestDefinition(def, contestTable, code, existing);
}

std::string TContestFkt::SentExchangeText(const TRecord& qso) const {
  return exchangesplit::SentExchangeText(qso);
}
std::string TContestFkt::ReceivedExchangeText(const TRecord& qso) const {
  return exchangesplit::ReceivedExchangeText(qso);
}
void TContestFkt::SplitSentExchange(std::string_view text, TRecord& qso) const {
  exchangesplit::SplitSentExchange(text, qso);
}
void TContestFkt::SplitReceivedExchange(std::string_view text, TRecord& qso) const {
  exchangesplit::SplitReceivedExchange(text, qso);
}
