/* Resource IDs of the artwork, icon and manifest. */
#pragma once

#define IDI_TALVANE 1

#define IDB_APPLY 100
#define IDB_APPLY_DISABLED 101
#define IDB_CANCEL 102
#define IDB_HELP 103
#define IDB_HOMEPAGE 104
#define IDB_ABOUT 105
#define IDB_NAV_OPTIMIZER 110
#define IDB_NAV_SYSINFO 111
#define IDB_NAV_STARTUP 112
#define IDB_NAV_SHORTCUT 113
#define IDB_NAV_TWEAK 114
#define IDB_STRIP_TITLE 120
#define IDB_STRIP_QUICKINFO 121
#define IDB_FACTS 122
