// ErrorLog: "error.ubn", the list of QSOs the plug-in refused and why.
//
// The file starts with a title line and an empty line; each refusal is one
// line in the field order of a Cabrillo QSO line, followed by the reason.
// The file is written as a Windows text stream would store it: every line feed
// becomes CR LF. Each line reaches the OS as soon as it is written, so a
// refusal is on disk even if the host dies right after.
//
//   ErrorLog errors;
//   errors.Open(platform, "UA3ABC");   // "VELMORA TEST UBN file UA3ABC\r\n\r\n"
//   errors.Write(RefusedQsoLine(...));
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform.h"

namespace velmora {

inline constexpr const char* kErrorLogPath = "error.ubn";

// Why a QSO was refused, as the line's ending.
inline constexpr std::string_view kNoContestMode = " No contest mode \n";
inline constexpr std::string_view kNoRxNumber = "No RX number\n";

class ErrorLog {
 public:
  // Closes the stream of an earlier reset, then creates the file anew with
  // its title. When it cannot be created there is no ErrorLog until the next
  // successful Open.
  void Open(Platform& platform, std::string_view myCall);

  bool IsOpen() const { return file_ != nullptr; }

  // Appends `text`, each line feed as CR LF, and flushes it; does nothing
  // when no file is open.
  void Write(std::string_view text);

 private:
  std::unique_ptr<OutputFile> file_;
};

// The texts of a refused QSO, as the host handed them over.
struct RefusedQso {
  unsigned freqHz = 0;
  std::string_view mode;
  std::string_view dateTimeText;  // the QSO time's default text
  std::string_view myCall;
  std::string_view rstSent;
  std::string_view exchSent;
  std::string_view call;
  std::string_view rstRcvd;
  std::string_view exchRcvd;
};

// One refused-QSO line, `reason` (one of the two above) included.
std::string RefusedQsoLine(const RefusedQso& qso, std::string_view reason);

// "YYYY-MM-DD HHMM" cut out of a date-time text "D.MM.YYYY H:MM:SS" (day and
// hour of one or two digits); the seconds are dropped. Empty when the text is
// not of that form, for example the empty text of a null time.
std::string ErrorLogDateField(std::string_view dateTimeText);

}  // namespace velmora
