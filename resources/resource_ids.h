// Identifiers of the resources compiled into Dusklatch.exe.
#pragma once

#define IDI_APP 1

// Icons of the six power actions (16, 32 and 48 pixels), for image combos and lists.
#define IDI_ACTION_SHUTDOWN 10
#define IDI_ACTION_RESTART 11
#define IDI_ACTION_LOGOFF 12
#define IDI_ACTION_STANDBY 13
#define IDI_ACTION_HIBERNATE 14
#define IDI_ACTION_LOCK 15
#define IDI_ACTION_EXIT 16  // the toolbar's Exit

// Skin pictures imgSkins 0..15: 14/15 navigation entry pressed/released, 4/5 close,
// 6/7 minimise; IDB_SKIN_n == IDB_SKIN_0 + n.
#define IDB_SKIN_0 100
#define IDB_SKIN_1 101
#define IDB_SKIN_2 102
#define IDB_SKIN_3 103
#define IDB_SKIN_4 104
#define IDB_SKIN_5 105
#define IDB_SKIN_6 106
#define IDB_SKIN_7 107
#define IDB_SKIN_8 108
#define IDB_SKIN_9 109
#define IDB_SKIN_10 110
#define IDB_SKIN_11 111
#define IDB_SKIN_12 112
#define IDB_SKIN_13 113
#define IDB_SKIN_14 114
#define IDB_SKIN_15 115

#define IDB_SPLASH 120  // 479x281
#define IDB_ABOUT 121  // 330x120
#define IDB_BANNER 122  // Image12, 380x60
#define IDB_PAGE_BACKGROUND 123  // 500x433
#define IDB_NAV_BACKGROUND 124  // 120x433, the navigation column
#define IDB_TOOLBAR 125  // 361x101, the floating toolbar

// Tray menu pictures, 16x16 on the menu's picture column, in the order of their keys.
#define IDB_MENU_CHECKXP 200
#define IDB_MENU_IE 201
#define IDB_MENU_REC1 202
#define IDB_MENU_HIST 203
#define IDB_MENU_COO 204
#define IDB_MENU_PAI1 205
#define IDB_MENU_PAINT 206
#define IDB_MENU_INT 207
#define IDB_MENU_HOME 208
#define IDB_MENU_ARR1 209
#define IDB_MENU_STAR 210
#define IDB_MENU_ABC 211
#define IDB_MENU_DEL 212
#define IDB_MENU_STANDBY 213
#define IDB_MENU_RESTART 214
#define IDB_MENU_HIBER 215
#define IDB_MENU_NEW 216
#define IDB_MENU_SHUT 217
#define IDB_MENU_LOGOFF 218
#define IDB_MENU_LOCK 219
#define IDB_MENU_OPEN 220
#define IDB_MENU_SCH 221
#define IDB_MENU_SAVEALL 222
#define IDB_MENU_EXIT 223
#define IDB_MENU_CUT 224
#define IDB_MENU_COPY 225
#define IDB_MENU_PASTE 226
#define IDB_MENU_INFO 227
#define IDB_MENU_FIRST IDB_MENU_CHECKXP
#define IDB_MENU_COUNT 28
