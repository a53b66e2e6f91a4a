// Resource ids of the framework tests' own dialog templates.
#pragma once

#define IDD_TEST_DIALOG 200
#define IDD_MISSING_DIALOG 299

#define IDC_TEST_EDIT 1100
#define IDC_TEST_LABEL 1101
#define IDC_RADIO_A 1102
#define IDC_RADIO_B 1103
#define IDC_RADIO_C 1104
#define IDC_AFTER_GROUP 1105
#define IDC_TEST_ACTION 1106
#define IDC_TEST_OTHER 1107
#define IDC_MISSING_CONTROL 1199
