#include "reference_contest.h"

#include <cstdio>

#include "regions.h"

namespace velmora::bench {
namespace {

bool IsRussian(const std::string& prefix) { return prefix == "UA" || prefix == "UA2" || prefix == "UA9"; }

std::string RegionText(const std::string& call) {
  const char* code = RegionOfCall(call.c_str());
  return code ? code : "";
}

bool Equal(const QsoRecord& a, const QsoRecord& b) {
  return a.call == b.call && a.dxccPrefix == b.dxccPrefix && a.auxText == b.auxText && a.band == b.band &&
         a.mode == b.mode && a.rstRcvd == b.rstRcvd && a.rstSent == b.rstSent && a.exchRcvd == b.exchRcvd &&
         a.exchSent == b.exchSent && a.region == b.region && a.freqKHz == b.freqKHz &&
         a.time.status == b.time.status && a.time.days == b.time.days;
}

template <typename... Values>
void Append(std::string& text, const char* format, Values... values) {
  char line[512];
  std::snprintf(line, sizeof line, format, values...);
  text += line;
}

std::string ZeroFilled(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  for (const std::string& entry : list) {
    if (entry == text) return true;
  }
  return false;
}

}  // namespace

void ReferenceContest::Reset(std::string startText, std::string endText, std::string myCall, bool russianMessages) {
  log_.clear();
  bands_.clear();
  startText_ = std::move(startText);
  endText_ = std::move(endText);
  myCall_ = std::move(myCall);
  russianMessages_ = russianMessages;
}

int ReferenceContest::Admit(const LoggedQso& qso, QsoRecord& record) {
  if (qso.mode != "CW" && qso.mode != "BPSK31" && qso.mode != "BPSK63" && qso.mode != "BPSK62" &&
      qso.mode != "BPSK125" && qso.mode != "SSB") {
    return 0;
  }
  if (qso.exchRcvd.empty() || qso.exchSent.empty()) return 0;
  if (!Contains(bands_, qso.band)) bands_.push_back(qso.band);
  record.call = qso.call;
  record.dxccPrefix = qso.dxccPrefix;
  record.auxText = qso.auxText;
  record.band = qso.band;
  record.mode = qso.mode;
  record.rstRcvd = qso.rstRcvd;
  record.rstSent = qso.rstSent;
  record.exchRcvd = qso.exchRcvd;
  record.exchSent = qso.exchSent;
  record.freqKHz = static_cast<std::int32_t>(qso.freqHz / 1000);
  record.time.days = qso.days;
  if (IsRussian(qso.dxccPrefix)) {
    record.region = RegionText(qso.call);
    if (record.region.empty()) return 0;
  }
  return 1;
}

int ReferenceContest::Add(const LoggedQso& qso) {
  QsoRecord record;
  if (Admit(qso, record) == 0) return 0;
  for (const QsoRecord& logged : log_) {
    if (Equal(logged, record)) return 1;
  }
  log_.push_back(std::move(record));
  return 1;
}

int ReferenceContest::AddKnownNew(const LoggedQso& qso) {
  QsoRecord record;
  if (Admit(qso, record) == 0) return 0;
  log_.push_back(std::move(record));
  return 1;
}

int ReferenceContest::Remove(const LoggedQso& qso) {
  if (qso.exchRcvd.empty() || qso.exchSent.empty()) return 0;
  for (std::size_t i = 0; i < log_.size(); ++i) {
    if (log_[i].call == qso.call && log_[i].mode == qso.mode && log_[i].band == qso.band) {
      log_.erase(log_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  }
  return 1;
}

int ReferenceContest::CheckCall(const std::string& call, const std::string& mode, const std::string& dxccPrefix,
                                const std::string& band, int hour, int minute, std::string* message) const {
  const bool russian = IsRussian(dxccPrefix);
  const std::string region = russian ? RegionText(call) : "";
  for (const QsoRecord& logged : log_) {
    if (logged.call != call || logged.band != band || logged.mode != mode) continue;
    if (logged.time.Hour() == hour && (logged.time.Minute() < 30) == (minute < 30)) {
      *message = russianMessages_
                     ? "QSO c " + call +
                           " \xc2 \xce\xc4\xcd\xce\xcc \xc8 \xd2\xce\xcc \xc6\xc5 \xd2\xd3\xd0\xc5 "
                           "\xcf\xd0\xce\xc2\xce\xc4\xc8\xd2\xdc \xcd\xc5\xcb\xdc\xc7\xdf !!!"
                     : "QSO with " + call + " In the same round it is impossible !!!";
      return 0;
    }
  }
  for (const QsoRecord& logged : log_) {
    if (logged.band != band) continue;
    if (russian ? logged.region == region : logged.dxccPrefix == dxccPrefix) return 1;
  }
  return 2;
}

std::string ReferenceContest::Result(int* score) {
  std::string text;
  Append(text,
         "\t\t\tVELMORA %s-%s\r\n\t\t\t\tContestant: %s\r\n\tQSOs\tPoints\tObl\tDXCC\tBPSK31\tBPSK63\tBPSK125\tCW"
         "\tSSB\r\n",
         startText_.c_str(), endText_.c_str(), myCall_.c_str());

  for (std::size_t i = 0; i + 1 < bands_.size(); ++i) {
    for (std::size_t j = i + 1; j < bands_.size(); ++j) {
      if (ZeroFilled(bands_[i]) < ZeroFilled(bands_[j])) std::swap(bands_[i], bands_[j]);
    }
  }

  std::int64_t totalPoints = 0, totalRegions = 0, totalDxcc = 0;
  std::int64_t total31 = 0, total63 = 0, total125 = 0, totalCw = 0, totalSsb = 0;
  for (const std::string& band : bands_) {
    int qsos = 0, regions = 0, dxcc = 0, bpsk31 = 0, bpsk63 = 0, bpsk125 = 0, cw = 0, ssb = 0;
    std::vector<std::string> regionList, prefixList;
    for (const QsoRecord& record : log_) {
      if (record.band != band || record.call.empty()) continue;
      ++qsos;
      if (record.mode == "CW") ++cw;
      else if (record.mode == "BPSK31") ++bpsk31;
      else if (record.mode == "BPSK63" || record.mode == "BPSK62") ++bpsk63;
      else if (record.mode == "BPSK125") ++bpsk125;
      else if (record.mode == "SSB") ++ssb;
      if (!record.region.empty() && !Contains(regionList, record.region)) {
        regionList.push_back(record.region);
        ++regions;
      }
      if (!Contains(prefixList, record.dxccPrefix)) {
        prefixList.push_back(record.dxccPrefix);
        ++dxcc;
      }
    }
    const int points = ssb + 2 * (cw + bpsk125 + bpsk63 + bpsk31);
    Append(text, "%s\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\r\n", band.c_str(), qsos, points, regions, dxcc,
           bpsk31, bpsk63, bpsk125, cw, ssb);
    totalPoints += points;
    totalRegions += regions;
    totalDxcc += dxcc;
    total31 += bpsk31;
    total63 += bpsk63;
    total125 += bpsk125;
    totalCw += cw;
    totalSsb += ssb;
  }
  Append(text, "Total\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\t %i\r\n", static_cast<int>(log_.size()),
         static_cast<int>(totalPoints), static_cast<int>(totalRegions), static_cast<int>(totalDxcc),
         static_cast<int>(total31), static_cast<int>(total63), static_cast<int>(total125), static_cast<int>(totalCw),
         static_cast<int>(totalSsb));
  // The generated logs stay far below the 32-bit range.
  const int claimed = static_cast<int>(totalPoints * (totalRegions + totalDxcc));
  *score = claimed;
  Append(text, "\r\nScore: %i*(%i+%i) = %i", static_cast<int>(totalPoints), static_cast<int>(totalRegions),
         static_cast<int>(totalDxcc), claimed);
  return text;
}

}  // namespace velmora::bench
