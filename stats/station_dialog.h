// StationDialog: the modal dialog in which the operator checks the station
// data before the contest. One implementation per platform: a Win32 dialog
// from the plug-in's template 101, or, where there is no window system for
// the plug-in, one that reports it cannot be shown.
#pragma once

#include <string>

namespace velmora {

// The texts the dialog shows, one per control.
struct StationFields {
  std::string Callsign;
  std::string Claimed;
  std::string Club;
  std::string Category;
  std::string Contest;
  std::string Email;
  std::string Name;
  std::string Operators;
  std::string SoapBox;  // line breaks as CR LF
  std::string Address;  // line breaks as CR LF
};

class StationDialog {
 public:
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;
  static constexpr int kCannotShow = -1;

  virtual ~StationDialog() = default;

  // Shows `fields` modally and returns when the operator closes the dialog:
  // kOk with `fields` holding every control's text, kCancel with `fields`
  // unchanged, or kCannotShow (nothing shown, `fields` unchanged).
  virtual int DoModal(StationFields& fields) = 0;
};

// The dialog of the platform this plug-in was built for.
StationDialog& SystemStationDialog();

}  // namespace velmora
