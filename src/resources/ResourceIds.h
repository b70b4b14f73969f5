// Identifiers of the module's resources; read by the resource compiler and by the code that loads them.
#pragma once

#define IDR_MANIFEST 123
#define IDB_MENU_FILE 150
#define IDB_MENU_FOLDER 152
#define IDB_MENU_CONVERT 163

// The secured item's property page: its dialog template, its two icons and its three controls.
#define IDD_PROPERTY_PAGE 164
#define IDI_SECURED_FOLDER 165
#define IDI_SECURED_FILE 166
#define IDC_PAGE_BUTTON 1002
#define IDC_PAGE_TEXT 1003
#define IDC_PAGE_PATH 1004
