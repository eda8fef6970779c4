// ReferenceContest: the contest rules as plain linear scans, exactly as each
// rule reads, kept only to measure the plug-in against. Every search starts
// at the oldest record and the first match decides; the summary sorts the
// bands with the exchange sort and recounts the whole log once per band with
// linear lists of the multipliers already counted.
//
// Its log is plain QsoRecords, every text its own string. It keeps no
// ErrorLog and writes no INI file: those cost the same in both.
//
//   ReferenceContest contest;
//   contest.Reset("05.03", "06.03.2012", "UA3XYZ", /*russianMessages=*/false);
//   contest.Add(qso);
//   int answer = contest.CheckCall("UA3ABC", "CW", "UA", "80", 12, 10, &message);
//   std::string text = contest.Result(&score);
#pragma once

#include <string>
#include <vector>

#include "contest_log.h"
#include "qso_record.h"

namespace velmora::bench {

class ReferenceContest {
 public:
  void Reset(std::string startText, std::string endText, std::string myCall, bool russianMessages);

  // 1 when the QSO is in the log afterwards, 0 when refused.
  int Add(const LoggedQso& qso);
  // Appends without looking for an equal record: how Add leaves a log that
  // holds no repeats, without its quadratic cost (for filling big logs).
  int AddKnownNew(const LoggedQso& qso);
  // 0 when an exchange is missing, else 1; removes the oldest same call, mode and band.
  int Remove(const LoggedQso& qso);
  // 0 (with `message`), 1 or 2, for the UTC `hour` and `minute`.
  int CheckCall(const std::string& call, const std::string& mode, const std::string& dxccPrefix,
                const std::string& band, int hour, int minute, std::string* message) const;
  // The summary text; the score, or -1 never (no entry mode here).
  std::string Result(int* score);

  const std::vector<QsoRecord>& log() const { return log_; }

 private:
  // 0 refused, 1 to append; fills `record`.
  int Admit(const LoggedQso& qso, QsoRecord& record);

  std::vector<QsoRecord> log_;
  std::vector<std::string> bands_;
  std::string startText_, endText_, myCall_;
  bool russianMessages_ = false;
};

}  // namespace velmora::bench
