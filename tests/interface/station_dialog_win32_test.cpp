// The real station dialog under Windows: a reset in entry mode shows it, and a
// second thread plays the operator, the way the host's user would.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

#include "process_dialog_win32.h"
#include "stats_host.h"

namespace velmora::testing {
namespace {

std::string Text(HWND window) {
  char text[1024] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Runs `call`, which shows the station dialog; `operate` gets the dialog on a
// second thread and closes it. False when no dialog appeared.
bool OperateStationDialog(const std::function<void()>& call, const std::function<void(HWND)>& operate) {
  std::atomic<bool> seen{false};
  std::thread operatorHand([&] {
    const auto until = std::chrono::steady_clock::now() + ScaledWait(std::chrono::seconds(10));
    while (std::chrono::steady_clock::now() < until) {
      if (const HWND dialog = FindProcessDialog("VELMORA")) {
        seen = true;
        // VELMORA_DIALOG_PAUSE_MS leaves time for a screenshot.
        if (const char* pause = std::getenv("VELMORA_DIALOG_PAUSE_MS")) ::Sleep(std::atoi(pause));
        operate(dialog);
        return;
      }
      ::Sleep(10);
    }
  });
  call();
  operatorHand.join();
  return seen;
}

// What the operator saw when the dialog opened.
struct DialogLook {
  std::set<int> ids;
  std::set<int> tabStops;
  std::vector<std::string> categories;
  int selectedCategory = -2;
  std::string category, callsign, operators, contest, claimed, name, soapbox;
};

DialogLook Look(HWND dialog) {
  DialogLook look;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    look.ids.insert(id);
    if (::GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) look.tabStops.insert(id);
  }
  const HWND combo = ::GetDlgItem(dialog, 1013);
  const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char item[64] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    look.categories.push_back(item);
  }
  look.selectedCategory = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
  look.category = Text(combo);
  look.callsign = Text(::GetDlgItem(dialog, 1010));
  look.operators = Text(::GetDlgItem(dialog, 1006));
  look.contest = Text(::GetDlgItem(dialog, 1009));
  look.claimed = Text(::GetDlgItem(dialog, 1008));
  look.name = Text(::GetDlgItem(dialog, 1007));
  look.soapbox = Text(::GetDlgItem(dialog, 1001));
  return look;
}

void Press(HWND dialog, int button) { ::SendMessageA(::GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

class StationDialogHost : public StatsHost {
 protected:
  void SetUp() override {
    StatsHost::SetUp();
    std::filesystem::create_directory(folder.path() / "Plugins");
    folder.Write("Plugins/KORVA.ini", "[Settings]\r\nClaimed=20\r\nName=Old Name\r\nCategory=C-SSB\r\n");
  }
};

TEST_F(StationDialogHost, OperatorConfirmsTheStationData) {
  DialogLook look;
  const bool shown = OperateStationDialog([&] { ASSERT_EQ(Reset(1, "UA3XYZ", "UA"), 1); },
                                          [&](HWND dialog) {
                                            look = Look(dialog);
                                            ::SetDlgItemTextA(dialog, 1007, "Ivan Petrov");
                                            ::SetDlgItemTextA(dialog, 1001, "first\r\nsecond");
                                            ::SetDlgItemTextA(dialog, 1002, "Lenina 5\r\nMoscow");
                                            ::SetDlgItemTextA(dialog, 1005, "RRC");
                                            ::SetDlgItemTextA(dialog, 1008, "999999");  // lost
                                            ::SetWindowTextA(::GetDlgItem(dialog, 1013), "Z-NOT-LISTED");
                                            Press(dialog, IDOK);
                                          });
  ASSERT_TRUE(shown);

  // The labels' identifier -1 is stored as the 16-bit 0xFFFF of the template.
  EXPECT_EQ(look.ids, (std::set<int>{0xFFFF, IDOK, IDCANCEL, 1001, 1002, 1004, 1005, 1006, 1007, 1008, 1009, 1010,
                                     1013}));
  EXPECT_EQ(look.tabStops, (std::set<int>{1001, 1013}));
  EXPECT_EQ(look.categories, (std::vector<std::string>{"A-CW", "A-SSB", "A-MIX", "B-CW", "B-SSB", "B-MIX", "C-CW",
                                                       "C-SSB", "C-MIX", "D-MIX", "E-PSK31,63,125", ""}));
  EXPECT_EQ(look.selectedCategory, 0);  // "A-CW", whatever the INI file says
  EXPECT_EQ(look.category, "A-CW");
  EXPECT_EQ(look.callsign, "UA3XYZ");
  EXPECT_EQ(look.operators, "UA3XYZ");
  EXPECT_EQ(look.contest, "VELMORA");
  EXPECT_EQ(look.claimed, "20");
  EXPECT_EQ(look.name, "Old Name");

  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"),
            "[Settings]\r\nClaimed=20\r\nName=Ivan Petrov\r\nCategory=Z-NOT-LISTED\r\nOperators=UA3XYZ\r\n"
            "Address=Lenina 5<CR><LF>Moscow\r\nContest=VELMORA\r\nEmail=\r\nClub=RRC\r\n"
            "SoapBox=first<CR><LF>second\r\n");

  EXPECT_EQ(EntryAfterOneQso("UA3XYZ.cbr"),
            "START-OF-LOG: 2.0\r\nCALLSIGN: UA3XYZ\r\nCATEGORY: Z-NOT-LISTED\r\nCLAIMED-SCORE: 4\r\nCLUB: RRC\r\n"
            "CONTEST: VELMORA\r\nCREATED-BY: MixW \r\nNAME: Ivan Petrov\r\nADDRESS: Lenina 5\r\nADDRESS: Moscow\r\n"
            "OPERATORS: UA3XYZ\r\nEMAIL: \r\nSOAPBOX: first\r\nSOAPBOX: second\r\n"
            "QSO:  3510 CW 2012-03-05 0905 UA3XYZ        599 001    UA3ABC        579 017\r\n"
            "END-OF-LOG:\r\n");
  EXPECT_NE(folder.Read("Plugins/KORVA.ini").find("Claimed=4\r\n"), std::string::npos);

  // At the next reset the dialog shows the stored lines again.
  OperateStationDialog([&] { Reset(1, "UA3XYZ", "UA"); },
                       [&](HWND dialog) {
                         look = Look(dialog);
                         Press(dialog, IDCANCEL);
                       });
  EXPECT_EQ(look.soapbox, "first\r\nsecond");
  EXPECT_EQ(look.claimed, "4");
}

TEST_F(StationDialogHost, CancelWritesNothingBack) {
  const std::string before = folder.Read("Plugins/KORVA.ini");
  const bool shown = OperateStationDialog([&] { ASSERT_EQ(Reset(1, "UA3XYZ", "UA"), 1); },
                                          [&](HWND dialog) {
                                            ::SetDlgItemTextA(dialog, 1007, "Typed Name");
                                            ::SetDlgItemTextA(dialog, 1005, "Typed Club");
                                            Press(dialog, IDCANCEL);
                                          });
  ASSERT_TRUE(shown);
  EXPECT_EQ(folder.Read("Plugins/KORVA.ini"), before);
  const std::string entry = EntryAfterOneQso("UA3XYZ.cbr");
  EXPECT_NE(entry.find("NAME: Old Name\r\nADDRESS: \r\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("CLUB: \r\n"), std::string::npos);
  EXPECT_NE(entry.find("CATEGORY: A-CW\r\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora::testing
