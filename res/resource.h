// Identifiers of the installer's resources: dialogs, their controls, the
// string table, the banner bitmap and the application icon.
#pragma once

// Dialog templates.
#define IDD_SETUP 102
#define IDD_LICENCE 131

// Application icon group and banner bitmap.
#define IDR_MAINFRAME 128
#define IDB_BANNER 134

// Controls of IDD_SETUP.
#define IDC_NEXT 1000
#define IDC_CHANGE 1001
#define IDC_DEST_DIR 1002
#define IDC_TOTAL_PROGRESS 1003
#define IDC_BACK 1004
#define IDC_FILE_PROGRESS 1005
#define IDC_TOTAL_LABEL 1007
#define IDC_FILE_LABEL 1008
#define IDC_INSTRUCTIONS 1009

// Controls of IDD_LICENCE (its Next button shares its number with
// IDC_FILE_LABEL of the other dialog).
#define IDC_LICENCE_NEXT 1008
#define IDC_ACCEPT 1010
#define IDC_DECLINE 1011

// Strings, all in block 1 of the string table.
#define IDS_CHANGE_HINT 1
#define IDS_NO_DATA_HINT 2
#define IDS_NO_DATA 3
#define IDS_OUTPUT_FILE_ERROR 4
#define IDS_INTERNAL_ERROR 5
#define IDS_INSTALL_SUCCESS 6
