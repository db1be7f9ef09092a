#pragma once

// Resource and command ids. The numbers are the program's own and are kept as they are: menus,
// the toolbar, the string table and the settings refer to them.

// Dialog layouts
constexpr int IDD_KELVORA_DIALOG = 102;
constexpr int IDD_ABOUTBOX = 172;
constexpr int IDD_PROPERTIES = 187;
constexpr int IDD_PROPERTIES_PAGE = 207;

// Icon, cursor, toolbar layout, menus
constexpr int IDR_MAINFRAME = 128; // the application icon
constexpr int IDC_KELVORA_CURSOR = 131;
constexpr int IDR_TOOLBAR = 132; // the toolbar layout and its 16-colour strip
constexpr int IDR_MAIN_MENU = 130;
constexpr int IDR_LIST_MENU = 181;
constexpr int IDR_PRESET_MENU = 211;

// Bitmaps
constexpr int IDB_TOOLBAR_DISABLED = 182; // 8-bit grey strip
constexpr int IDB_TOOLBAR_NORMAL = 184; // 24-bit strip, normal and hot
constexpr int IDB_ABOUT_PICTURE = 205;
constexpr int IDB_SOLUTION_PRESSED = 209;
constexpr int IDB_SOLUTION_NORMAL = 210;

// Controls of the main window
constexpr int IDC_MEDIA_LIST = 1002;
constexpr int IDC_SAVING_FOLDER = 1007;
constexpr int IDC_BROWSE = 1008;
constexpr int IDC_OPEN_FOLDER = 1009;
constexpr int IDC_SOLUTION_TEXT = 1016;
constexpr int IDC_SOLUTION_BUTTON = 1017;

// Controls of the properties window and its page
constexpr int IDC_PROPERTIES_CLOSE = 1012;
constexpr int IDC_MEDIA_DURATION = 1013;
constexpr int IDC_MEDIA_BITRATE = 1014;
constexpr int IDC_VIDEO_FORMAT = 1015;
constexpr int IDC_VIDEO_RESOLUTION = 1016;
constexpr int IDC_FRAME_RATE = 1017;
constexpr int IDC_AUDIO_FORMAT = 1018;
constexpr int IDC_AUDIO_BITRATE = 1019;
constexpr int IDC_SAMPLE_RATE = 1020;
constexpr int IDC_CHANNELS = 1021;

// Controls of the About box
constexpr int IDOK_BUTTON = 1;
constexpr int IDC_CONTACT_LINK = 1021;

// Commands
constexpr int ID_FILE_EXIT = 32772;
constexpr int ID_CONVERT_ALL = 32774;
constexpr int ID_APP_ABOUT = 32776;
constexpr int ID_ADD_FOLDER = 32778;
constexpr int ID_ADD_FILES = 32781;
constexpr int ID_PROPERTIES = 32786;
constexpr int ID_LIST_ADD_FOLDER = 32790;
constexpr int ID_LIST_ADD_FILES = 32791; // also the first toolbar button
constexpr int ID_LIST_CONVERT_SELECTED = 32792;
constexpr int ID_LIST_CONVERT_ALL = 32793;
constexpr int ID_LIST_REMOVE_ALL = 32796; // also the toolbar's Remove All button
constexpr int ID_LIST_REMOVE = 32797;
constexpr int ID_FILE_REMOVE = 32800;
constexpr int ID_FILE_REMOVE_ALL = 32801;
constexpr int ID_FILE_SELECT_ALL = 32802;
constexpr int ID_STOP_CURRENT = 32809;
constexpr int ID_STOP_ALL = 32810;
constexpr int ID_LIST_SKIP_CURRENT = 32811;
constexpr int ID_LIST_STOP_ALL = 32812;
constexpr int ID_CONVERT_SELECTED = 32814;
constexpr int ID_REMOVE_AFTER_CONVERSION = 32862; // present in the resources, never offered
// Convertion > Simultaneous Conversions.
constexpr int ID_SIMULTANEOUS_ONE = 32880;
constexpr int ID_SIMULTANEOUS_TWO = 32881;
constexpr int ID_SIMULTANEOUS_FOUR = 32882;
constexpr int ID_SIMULTANEOUS_CORES = 32883;
constexpr int ID_HELP_INDEX = 57670;

// The framework's standard toolbar bar id
constexpr int AFX_IDW_TOOLBAR = 59392;

// Preset commands: the Solution menu (ui/res/menus.cpp) maps each preset to its own.

// Commands of the described presets (ids 0 to 27), one each; the preset menu does not offer 20.
constexpr int ID_PRESET_0 = 32854;
constexpr int ID_PRESET_1 = 32855;
constexpr int ID_PRESET_2 = 32856;
constexpr int ID_PRESET_3 = 32853;
constexpr int ID_PRESET_4 = 32852;
constexpr int ID_PRESET_5 = 32851;
constexpr int ID_PRESET_6 = 32833;
constexpr int ID_PRESET_7 = 32832;
constexpr int ID_PRESET_8 = 32831;
constexpr int ID_PRESET_9 = 32836;
constexpr int ID_PRESET_10 = 32835;
constexpr int ID_PRESET_11 = 32834;
constexpr int ID_PRESET_13 = 32859;
constexpr int ID_PRESET_16 = 32848;
constexpr int ID_PRESET_18 = 32857;
constexpr int ID_PRESET_19 = 32858;
constexpr int ID_PRESET_20 = 32846;
constexpr int ID_PRESET_21 = 32847;
constexpr int ID_PRESET_22 = 32845;
constexpr int ID_PRESET_23 = 32844;
constexpr int ID_PRESET_24 = 32863;
constexpr int ID_PRESET_25 = 32865;
constexpr int ID_PRESET_26 = 32866;
constexpr int ID_PRESET_27 = 32867;

// Commands of the modern presets (ids 28 and up), one each, in the order of the table.
constexpr int ID_PRESET_28 = 33001;
constexpr int ID_PRESET_29 = 33002;
constexpr int ID_PRESET_30 = 33003;
constexpr int ID_PRESET_31 = 33004;
constexpr int ID_PRESET_32 = 33005;
constexpr int ID_PRESET_33 = 33006;
constexpr int ID_PRESET_34 = 33007;
constexpr int ID_PRESET_35 = 33008;
constexpr int ID_PRESET_36 = 33009;
constexpr int ID_PRESET_37 = 33010;
constexpr int ID_PRESET_38 = 33011;
constexpr int ID_PRESET_39 = 33012;
constexpr int ID_PRESET_40 = 33013;
constexpr int ID_PRESET_41 = 33014;
constexpr int ID_PRESET_42 = 33015;
constexpr int ID_PRESET_43 = 33016;
constexpr int ID_PRESET_44 = 33017;
constexpr int ID_PRESET_45 = 33018;
constexpr int ID_PRESET_46 = 33019;

// The size limit of the modern video presets, in the Convertion menu.
constexpr int ID_SIZE_KEEP = 33040;
constexpr int ID_SIZE_1080 = 33041;
constexpr int ID_SIZE_720 = 33042;
constexpr int ID_SIZE_480 = 33043;

// The queue a user steers while it runs.
constexpr int ID_PAUSE = 33050;
constexpr int ID_RETRY_FAILED = 33051;
constexpr int ID_SELECT_FAILED = 33052;
constexpr int ID_LIST_CANCEL = 33053;
constexpr int ID_MOVE_UP = 33054;
constexpr int ID_MOVE_DOWN = 33055;
constexpr int ID_UNDO_REMOVE = 33056;
// Convertion > Keep the Computer Awake: a sleep inhibitor while a batch runs.
constexpr int ID_KEEP_AWAKE = 33060;
// Convertion > Keep Original File Dates: each output takes its input's modification time.
constexpr int ID_KEEP_DATES = 33061;
// File > Watch Folder... and its companions; Convertion > When the Output Exists and When Done.
constexpr int ID_WATCH_FOLDER = 33070;
constexpr int ID_STOP_WATCHING = 33071;
constexpr int ID_CONVERT_ARRIVALS = 33072;
constexpr int ID_OUTPUT_NEW_NAME = 33073;
constexpr int ID_OUTPUT_SKIP = 33074;
constexpr int ID_DONE_NOTHING = 33075;
constexpr int ID_DONE_QUIT = 33076;
constexpr int ID_DONE_SUSPEND = 33077;
constexpr int ID_DONE_POWER_OFF = 33078;
constexpr int ID_DONE_ONLY_IF_ALL = 33079;
