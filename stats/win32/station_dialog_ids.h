// Identifiers of the station dialog's template and controls, shared by the
// resource script and the code.
#pragma once

#define IDD_STATION 101
#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_CATEGORY 1013
