#include "error_log.h"

#include <cctype>

namespace velmora {

void ErrorLog::Open(Platform& platform, std::string_view myCall) {
  // The earlier stream is closed first: the file is about to be truncated.
  if (file_) file_->Close();
  file_ = platform.CreateOutputFile(kErrorLogPath);
  Write(std::string("VELMORA TEST UBN file ").append(myCall).append("\n\n"));
}

void ErrorLog::Write(std::string_view text) {
  if (!file_) return;
  std::string bytes;
  bytes.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  file_->Append(bytes);
  file_->Flush();
}

std::string RefusedQsoLine(const RefusedQso& qso, std::string_view reason) {
  std::string line = "QSO: ";
  line.append(std::to_string(qso.freqHz / 1000));
  const std::string dateField = ErrorLogDateField(qso.dateTimeText);
  for (std::string_view field : {qso.mode, std::string_view(dateField), qso.myCall,
                                 qso.rstSent, qso.exchSent, qso.call, qso.rstRcvd, qso.exchRcvd}) {
    line.append("  ").append(field);
  }
  line.append(reason);
  return line;
}

namespace {

// Reads a run of `min` to `max` ASCII digits at `text[*at]`.
bool ReadDigits(std::string_view text, std::size_t* at, std::size_t min, std::size_t max, std::string_view* digits) {
  std::size_t end = *at;
  while (end < text.size() && end - *at < max && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
  if (end - *at < min) return false;
  *digits = text.substr(*at, end - *at);
  *at = end;
  return true;
}

bool ReadChar(std::string_view text, std::size_t* at, char expected) {
  if (*at >= text.size() || text[*at] != expected) return false;
  ++*at;
  return true;
}

}  // namespace

std::string ErrorLogDateField(std::string_view text) {
  std::string_view day, month, year, hour, minute, second;
  std::size_t at = 0;
  const bool wellFormed = ReadDigits(text, &at, 1, 2, &day) && ReadChar(text, &at, '.') &&
                          ReadDigits(text, &at, 2, 2, &month) && ReadChar(text, &at, '.') &&
                          ReadDigits(text, &at, 4, 4, &year) && ReadChar(text, &at, ' ') &&
                          ReadDigits(text, &at, 1, 2, &hour) && ReadChar(text, &at, ':') &&
                          ReadDigits(text, &at, 2, 2, &minute) && ReadChar(text, &at, ':') &&
                          ReadDigits(text, &at, 2, 2, &second);
  if (!wellFormed) return {};
  std::string field;
  field.append(year).append("-").append(month).append("-");
  if (day.size() == 1) field.push_back('0');
  field.append(day).append(" ");
  if (hour.size() == 1) field.push_back('0');
  field.append(hour).append(minute);
  return field;
}

}  // namespace velmora
