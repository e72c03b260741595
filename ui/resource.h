// Resource ids of Kalvenmarque.exe, shared by the resource script and the C++ code.
#pragma once

// Icons: index 0 is the program's own, 1 to 7 the demo types (the associations name
// them by index, so the order of the ids is the order of the icons).
#define IDI_PROGRAM 1
#define IDI_DEMO_V1_30 2
#define IDI_DEMO_STVEF 3
#define IDI_DEMO_V1_17 4
#define IDI_DEMO_V1_27H 5
#define IDI_DEMO_HL 6
#define IDI_DEMO_Q2 7
#define IDI_DEMO_V1_31 8

// frmSplash
#define IDD_SPLASH 100
#define IDC_SPLASH_PICSPLASH 1001
#define IDC_SPLASH_LBLCOMPANY 1002
#define IDC_SPLASH_LBLCOPYRIGHT 1003
#define IDC_SPLASH_LBLEMAIL 1004
#define IDC_SPLASH_LBLICQ 1005
#define IDC_SPLASH_LBLLICENSEDTO 1006
#define IDC_SPLASH_LBLUSERNAME 1007
#define IDC_SPLASH_LBLPLATFORM 1008
#define IDC_SPLASH_LBLVERSION 1009
#define IDC_SPLASH_LBLSTATUS0LABEL1 1010
#define IDC_SPLASH_LBLSTATUS1 1011
#define IDC_SPLASH_PROGRESSBAR 1012
