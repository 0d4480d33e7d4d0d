// Ids of the dialog templates that only the Win32 tests use.
#pragma once

#define IDD_TEST_EXCHANGE   9001   // data exchange and the modal loop
#define IDD_TEST_PAGE       9002   // a child page for modeless creation
#define IDD_TEST_MISSING    9099   // no such template

#define IDC_TEST_CHECK      9101
#define IDC_TEST_RADIO_A    9102
#define IDC_TEST_RADIO_B    9103
#define IDC_TEST_RADIO_C    9104
#define IDC_TEST_COMBO      9105
#define IDC_TEST_EDIT       9106
#define IDC_TEST_SPIN       9107
#define IDC_TEST_LIST       9108
