// Ids of the dialog template the backend tests use (kept clear of the program's ids).
#pragma once

#define IDD_BACKEND_TEST 9100
#define IDC_TEST_EDIT 9101
#define IDC_TEST_CHECK 9102
#define IDC_TEST_COMBO 9103
#define IDC_TEST_LIST 9104
#define IDC_TEST_TAB 9105
#define IDC_TEST_BUTTON 9106
#define IDC_TEST_LABEL 9107
