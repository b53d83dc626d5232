#include "base/text_table.h"

namespace talvane {

namespace {

// Stored and shown exactly as they stand; the odd spellings are the product's own.
constexpr const char* kRows[TextTable::kRowCount] = {
    "RAM Optimizer",                                                                                       // 0
    "Options",                                                                                             // 1
    "Quick info",                                                                                          // 2
    "Click Help for more information",                                                                     // 3
    "Free RAM",                                                                                            // 4
    "Target free RAM:    ",                                                                                // 5
    "Minimum free RAM: ",                                                                                  // 6
    "Move your cursor to any item to get more information about it.",                                      // 7
    "Define amounts of RAM that Talvane will try to recover when the minimum level is ",                   // 8
    "reached. Usually, it is about 1/4 of your RAM.",                                                      // 9
    "Define the minimum level which Talvane will start recover your RAM when it is reached.",              // 10
    "Usually, it is about 1/16 of your RAM.",                                                              // 11
    "Main",                                                                                                // 12
    "Start automatically with Windows",                                                                    // 13
    "Use this option to start Talvane automatically each time you start Windows.",                         // 14
    "Free up                   MB of RAM on startup after                 seconds",                        // 15
    "When enabled, Talvane will freeing up ... MB of RAM on startup after ... seconds.",                   // 16
    "Free up                 MB every                    minutes if free RAM below                    %",  // 17
    "This feature allows Talvane to recover the RAM automatically every ... minutes when",                 // 18
    "free RAM below ... % of total RAM.",                                                                  // 19
    "CPU Usage: ",                                                                                         // 20
    "Disable CPU usage detection",                                                                         // 21
    "If your CPU usage value always stay at 100 % level, you must disable the CPU usage",                  // 22
    "detection to keep Talvane running properly.",                                                         // 23
    "Warn me if System Resources lower then                   %",                                          // 24
    "Display a warning message when the system resources lower then ... %",                                // 25
    "Tray Icon",                                                                                           // 26
    "Default",                                                                                             // 27
    "Recover RAM",                                                                                         // 28
    "Tray icon text color",                                                                                // 29
    "Use this option to change Talvane tray icon text color.",                                             // 30
    "Display                                               in tray icon",                                  // 31
    "You could use this option to help monitoring the system status.",                                     // 32
    "Hide Talvane tray icon",                                                                              // 33
    "Use this option to remove Talvane icon from the taskbar notification area.",                          // 34
    "Total CPU usage",                                                                                     // 35
    "Free physical memory",                                                                                // 36
    "System resources",                                                                                    // 37
    "Popup Menu",                                                                                          // 38
    "Display Restart Windows menu",                                                                        // 39
    "Use this option to display/hide Restart Windows menu from Talvane popup menu.",                       // 40
    "Display Suspend Windows menu",                                                                        // 41
    "Use this option to display/hide Suspend Windows menu from Talvane popup menu.",                       // 42
    "Display Shutdown Windows menu",                                                                       // 43
    "Use this option to display/hide Shutdown Windows menu from Talvane popup menu.",                      // 44
    "menu.",                                                                                               // 45
    "Free up                   MB menu",                                                                   // 46
    "Use this option to customize Talvane popup menu.",                                                    // 47
    "Free up                   MB menu",                                                                   // 48
    "Use this option to customize Talvane popup menu.",                                                    // 49
    "Free up                   MB menu",                                                                   // 50
    "Use this option customize Talvane popup menu.",                                                       // 51
    "Others",                                                                                              // 52
    "Clear the clipboard when freeing up RAM",                                                             // 53
    "When enabled, Talvane will also clear the clipboard when freeing up RAM.",                            // 54
    "Play alarm sound when freeing up RAM",                                                                // 55
    "When enabled, Talvane will play a wav file when freeing up RAM.",                                     // 56
    "Free up RAM hot key : Cltr + Alt +",                                                                  // 57
    "Use this hotkey to free up RAM as much as possible at the time. To disable this feature,",            // 58
    "just clear the edit box.",                                                                            // 59
    "Disable/enable Talvane hotkey : Cltr + Alt + ",                                                       // 60
    "Use this hotkey to quickly enable/disable Talvane. To disable this feature, just clear",              // 61
    "the edit box.",                                                                                       // 62
    "Apply",                                                                                               // 63
    "Cancel",                                                                                              // 64
    "Help",                                                                                                // 65
    "RAM Optimizer",                                                                                       // 66
    "Other Tools",                                                                                         // 67
    "Create Shortcut",                                                                                     // 68
    "Startup Manager",                                                                                     // 69
    "System Information",                                                                                  // 70
    "About",                                                                                               // 71
    "Enable",                                                                                              // 72
    "Disable",                                                                                             // 73
    "Microsoft Waveform Audio (*.WAV)|*.wav",                                                              // 74
    "Program Files|*.exe",                                                                                 // 75
    "Program name",                                                                                        // 76
    "Enter program name.",                                                                                 // 77
    "Program path",                                                                                        // 78
    "Enter program path. To make sure the path entered corectly, Talvane do not allow you",                // 79
    "to enter it manually. Please use the browse button to enter the path.",                               // 80
    "Parameters (optional)",                                                                               // 81
    "Enter program parameters (if any). Please read the manual or contact the program",                    // 82
    "developer for more information.",                                                                     // 83
    "Recover",                                                                                             // 84
    "MB of RAM",                                                                                           // 85
    "Define amount of RAM to recover before Talvane launch the program.",                                  // 86
    "Application priority ",                                                                               // 87
    "Set program priority. Higher priority should give a better performance.",                             // 88
    "Create shortcut in ",                                                                                 // 89
    "Define directory where you will place the shortcut.",                                                 // 90
    "Click Here to create the shortcut",                                                                   // 91
    "Browse",                                                                                              // 92
    "Idle priority",                                                                                       // 93
    "Normal priority",                                                                                     // 94
    "High priority",                                                                                       // 95
    "Desktop",                                                                                             // 96
    "Start Menu",                                                                                          // 97
    "Browse ...",                                                                                          // 98
    "Select Directory",                                                                                    // 99
    "Program",                                                                                             // 100
    "Location",                                                                                            // 101
    "Command",                                                                                             // 102
    "My Start Menu",                                                                                       // 103
    "All Users Start Menu",                                                                                // 104
    "My Registry",                                                                                         // 105
    "Add Item",                                                                                            // 106
    "Delete Item",                                                                                         // 107
    "Add Startup Item",                                                                                    // 108
    "Program Name",                                                                                        // 109
    "Program Location",                                                                                    // 110
    "Shortcut Location",                                                                                   // 111
    "Create Shortcut",                                                                                     // 112
    "Close",                                                                                               // 113
    "Are you sure want to delete",                                                                         // 114
    "My Computer",                                                                                         // 115
    "Computer Name",                                                                                       // 116
    "User Name",                                                                                           // 117
    "My Windows",                                                                                          // 118
    "Version",                                                                                             // 119
    "Build Number",                                                                                        // 120
    "Language",                                                                                            // 121
    "DirectX",                                                                                             // 122
    "Internet Explorer",                                                                                   // 123
    "Windows Folder",                                                                                      // 124
    "System Folder",                                                                                       // 125
    "System Up Time",                                                                                      // 126
    "Registered Owner",                                                                                    // 127
    "Registered Organization",                                                                             // 128
    "Field",                                                                                               // 129
    "Value",                                                                                               // 130
    "Windows Tweak",                                                                                       // 131
    "Applications",                                                                                        // 132
    "Process ID",                                                                                          // 133
    "Priority",                                                                                            // 134
    "Threads",                                                                                             // 135
    "Windows",                                                                                             // 136
    "Process",                                                                                             // 137
    "Memory",                                                                                              // 138
    "Set Priority",                                                                                        // 139
    "Application",                                                                                         // 140
    "Priority",                                                                                            // 141
    "Idle priority",                                                                                       // 142
    "Normal priority",                                                                                     // 143
    "High priority",                                                                                       // 144
    "Normal",                                                                                              // 145
    "High",                                                                                                // 146
    "Just a note:",                                                                                        // 147
    "Idle priority - Specify this class for a process whose ",                                             // 148
    "threads run only when the system is idle. ",                                                          // 149
    "Normal priority - Specify this class for a process ",                                                 // 150
    "with no special scheduling needs. ",                                                                  // 151
    "High priority - Specify this class for a process that ",                                              // 152
    "performs time-critical tasks that must be executed ",                                                 // 153
    "immediately. ",                                                                                       // 154
    "OK ",                                                                                                 // 155
    "My Memory",                                                                                           // 156
    "Memory Load",                                                                                         // 157
    "Total Physical Memory",                                                                               // 158
    "Available Physical Memory",                                                                           // 159
    "Total Page File (Virtual Memory)",                                                                    // 160
    "Available Page File (Virtual Memory)",                                                                // 161
    "Improve Core System Performance ",                                                                    // 162
    "Enable Large System Cache ",                                                                          // 163
    "Optimize Disk Cache Size",                                                                            // 164
    "Change Application Time Out Value",                                                                   // 165
    "Change Service Time Out Value",                                                                       // 166
    "Change Hung Application Timeout Value",                                                               // 167
    "Automatically Unload DLLs from Memory",                                                               // 168
    "Force Executive files to remain resident in the RAM instead of being moved to Virtual",               // 169
    "memory. Enable this option if you have 256 MB of RAM or more.",                                       // 170
    "Use this option to enable Windows to use a larger system cache. If your system has",                  // 171
    "a lot of RAM (512 MB or more), you could get benefit from this option.",                              // 172
    "This setting will increase the number of pages the system will read or write to the hard disk",       // 173
    "at one time. Recommended size: ",                                                                     // 174
    "Use this option to decrease the amount of time that Windows should wait before closing",              // 175
    "an application. Recommended time out value: 5000.",                                                   // 176
    "Use this option to decrease the amount of time that Windows should wait before stopping",             // 177
    "a service. Recommended time out value: 5000.",                                                        // 178
    "Use this option to decrease the amount of time that the Windows task manager should",                 // 179
    "wait before closing a non-responding application. Recommended time out value: 2000.",                 // 180
    "Use this option to unload DLLs automatically when the application using them has been",               // 181
    "closed. Read help for more information.",                                                             // 182
    "Disk Cache Size:",                                                                                    // 183
    "Application Time Out Value:",                                                                         // 184
    "Service Time Out Value:",                                                                             // 185
    "Hung Application Time Out Value:",                                                                    // 186
    "Optimize Disk Cache",                                                                                 // 187
    "Optimize File Cache",                                                                                 // 188
    "Add buffer for harddisk",                                                                             // 189
    "Contiguous file allocation size",                                                                     // 190
    "Use RAM as much as possible",                                                                         // 191
    "Enable this option to increase your system performace.",                                              // 192
    "Enable this option increase your Windows performance by reducing the amount of time",                 // 193
    "required by Windows to find a file or directory.",                                                    // 194
    "Enable this option to increase your harddisk performance when Windows access the",                    // 195
    "swap file (virtual memory).",                                                                         // 196
    "Enable this option to increase Windows performance when running multimedia",                          // 197
    "applications.",                                                                                       // 198
    "Force Windows to use physical memory (RAM) as much as possible before using the",                     // 199
    "virtual memory.",                                                                                     // 200
    "Version 1.4.2",                                                                                       // 201
    "",                                                                                                    // 202
    "",                                                                                                    // 203
    "",                                                                                                    // 204
    "Memory Load:",                                                                                        // 205
    "Total physical Memory:",                                                                              // 206
    "Available physical Memory:",                                                                          // 207
    "Total Page File:",                                                                                    // 208
    "Available Page File:",                                                                                // 209
    "About Talvane",                                                                                       // 210
    "Just a note",                                                                                         // 211
    "Because you did not change the value for the options below,",                                         // 212
    "Because you did not change the value for the option below,",                                          // 213
    "Talvane Pro will keep the checkbox for that option unchecked.",                                       // 214
    "Mem Usage",                                                                                           // 215
    "My Start Menu",                                                                                       // 216
    "All Users Start Menu",                                                                                // 217
    "My Registry",                                                                                         // 218
    "All Users Registry",                                                                                  // 219
    "Do you want to Terminate",                                                                            // 220
    "It''s possible the system becames instable or out of",                                                // 221
    "control......",                                                                                       // 222
    "Cannot terminate",                                                                                    // 223
    "All Users Registry",                                                                                  // 224
};

}  // namespace

const char* TextTable::Row(int row) {
    if (row < 0 || row >= kRowCount) {
        return "";
    }
    return kRows[row];
}

}  // namespace talvane
