// The station dialog as a plain Win32 modal dialog from template 101 of the
// plug-in's own resources, with the data exchange written out.
#include <windows.h>
#include <windowsx.h>

#include "../station_dialog.h"
#include "station_dialog_ids.h"

namespace velmora {
namespace {

// The category list, in the order the operator sees it; the last item is empty.
constexpr const char* kCategories[] = {"A-CW",  "A-SSB", "A-MIX", "B-CW",  "B-SSB", "B-MIX",
                                       "C-CW",  "C-SSB", "C-MIX", "D-MIX", "E-PSK31,63,125", ""};

struct TextControl {
  int id;
  std::string StationFields::*field;
};

// Every control but the category box, in data-exchange order.
constexpr TextControl kTextControls[] = {
    {IDC_CALLSIGN, &StationFields::Callsign}, {IDC_CLAIMED, &StationFields::Claimed},
    {IDC_CLUB, &StationFields::Club},         {IDC_CONTEST, &StationFields::Contest},
    {IDC_EMAIL, &StationFields::Email},       {IDC_NAME, &StationFields::Name},
    {IDC_OPERATORS, &StationFields::Operators}, {IDC_SOAPBOX, &StationFields::SoapBox},
    {IDC_ADDRESS, &StationFields::Address},
};

// The module that holds the dialog template: this plug-in, not the host.
HINSTANCE PluginModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&PluginModule), &module);
  return module;
}

std::string ControlText(HWND control) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
  const int length = ::GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

class Win32StationDialog final : public StationDialog {
 public:
  int DoModal(StationFields& fields) override {
    Session session{&fields};
    const INT_PTR result = ::DialogBoxParamA(PluginModule(), MAKEINTRESOURCEA(IDD_STATION), /*parent=*/nullptr,
                                             &Session::DialogProc, reinterpret_cast<LPARAM>(&session));
    if (result == IDOK) return kOk;
    if (result == IDCANCEL) return kCancel;
    return kCannotShow;
  }

 private:
  // One showing of the dialog; kept in the window's user data.
  struct Session {
    StationFields* fields;

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        return reinterpret_cast<Session*>(lParam)->OnInit(window);
      }
      auto* session = reinterpret_cast<Session*>(::GetWindowLongPtrA(window, DWLP_USER));
      if (session != nullptr && message == WM_COMMAND) return session->OnCommand(window, LOWORD(wParam));
      return FALSE;
    }

    INT_PTR OnInit(HWND window) {
      const HWND category = ::GetDlgItem(window, IDC_CATEGORY);
      for (const char* item : kCategories) ComboBox_AddString(category, item);
      for (const TextControl& control : kTextControls) {
        ::SetDlgItemTextA(window, control.id, (fields->*control.field).c_str());
      }
      // The first item that begins with the category, ignoring case, is
      // selected; a category no item begins with goes into the text field.
      if (ComboBox_SelectString(category, -1, fields->Category.c_str()) == CB_ERR) {
        ::SetWindowTextA(category, fields->Category.c_str());
      }
      return TRUE;  // the system sets the focus
    }

    INT_PTR OnCommand(HWND window, int command) {
      if (command == IDOK) {
        for (const TextControl& control : kTextControls) {
          fields->*control.field = ControlText(::GetDlgItem(window, control.id));
        }
        fields->Category = ControlText(::GetDlgItem(window, IDC_CATEGORY));
        ::EndDialog(window, IDOK);
        return TRUE;
      }
      if (command == IDCANCEL) {
        ::EndDialog(window, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
  };
};

}  // namespace

StationDialog& SystemStationDialog() {
  static Win32StationDialog dialog;
  return dialog;
}

}  // namespace velmora
