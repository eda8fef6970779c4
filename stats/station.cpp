#include "station.h"

#include "text_format.h"

namespace velmora {
namespace {

std::string EditForm(const std::string& stored) { return ReplaceAll(ReplaceAll(stored, "<CR>", "\r"), "<LF>", "\n"); }

std::string StoredForm(const std::string& edit) { return ReplaceAll(ReplaceAll(edit, "\r", "<CR>"), "\n", "<LF>"); }

// Each line break starts a new header line with `label` ("SOAPBOX: ").
std::string HeaderForm(const std::string& stored, std::string_view label) {
  return ReplaceAll(ReplaceAll(stored, "<CR>", std::string("\r\n").append(label)), "<LF>", "");
}

}  // namespace

std::string ReplaceAll(std::string_view source, std::string_view find, std::string_view replacement) {
  if (find.empty() || find == replacement) return std::string(source);
  std::string out;
  out.reserve(source.size());
  std::size_t at;
  while ((at = source.find(find)) != std::string_view::npos) {
    out.append(source.substr(0, at)).append(replacement);
    source.remove_prefix(at + find.size());
  }
  return out.append(source);
}

int StationInfo::PrepareStation(Platform& platform, StationDialog& dialog, const std::string& myCall) {
  Callsign = myCall;
  FileBase = TrimWhiteSpace(ReplaceAll(ReplaceAll(myCall, "/", "_"), "\\", "_"));
  if (FileBase.empty()) FileBase = "KORVA";

  auto read = [&](const char* key, const std::string& fallback) {
    return platform.ReadProfileString(kStationIniPath, kStationSection, key, fallback);
  };
  Operators = read("Operators", Callsign);
  Name = read("Name", "");
  Address = EditForm(read("Address", ""));
  Claimed = read("Claimed", "");
  // The dialog always offers the contest's name and its first category.
  Contest = "VELMORA";
  Category = "A-CW";
  Email = read("Email", "");
  Club = read("Club", "");
  SoapBox = EditForm(read("SoapBox", ""));

  StationFields fields{Callsign, Claimed, Club, Category, Contest, Email, Name, Operators, SoapBox, Address};
  if (dialog.DoModal(fields) != StationDialog::kOk) {
    // Nothing is stored, but the header must never carry a bare line break.
    Address = HeaderForm(StoredForm(Address), "ADDRESS: ");
    SoapBox = HeaderForm(StoredForm(SoapBox), "SOAPBOX: ");
    return 0;
  }

  Callsign = fields.Callsign;
  Operators = fields.Operators;
  Category = fields.Category;
  Name = fields.Name;
  Address = StoredForm(fields.Address);
  Contest = fields.Contest;
  Email = fields.Email;
  Club = fields.Club;
  SoapBox = StoredForm(fields.SoapBox);

  auto write = [&](const char* key, const std::string& value) {
    platform.WriteProfileString(kStationIniPath, kStationSection, key, value);
  };
  write("Operators", Operators);
  write("Name", Name);
  write("Address", Address);
  write("Category", Category);
  write("Contest", Contest);
  write("Email", Email);
  write("Club", Club);
  write("SoapBox", SoapBox);

  SoapBox = HeaderForm(SoapBox, "SOAPBOX: ");
  Address = HeaderForm(Address, "ADDRESS: ");
  QsoLines.clear();
  return 1;
}

}  // namespace velmora
