// Ids of the program's resources and commands.
#pragma once

#include "platform/standard_ids.h"

// Menu, accelerator table, icon and document-template string.
constexpr unsigned IDR_MAINFRAME = 128;
constexpr unsigned IDS_APP_TITLE = 57344;

// Dialog templates.
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_COLUMNS = 139;
constexpr unsigned IDD_NUM_PLAYERS = 142;
constexpr unsigned IDD_TWO_PLAYERS = 143;
constexpr unsigned IDD_THREE_PLAYERS = 144;
constexpr unsigned IDD_FOUR_PLAYERS = 145;

// Commands.
constexpr unsigned ID_OPTIONS_COLUMNS = 32771;
constexpr unsigned ID_OPTIONS_NUM_PLAYERS = 32774;
constexpr unsigned ID_OPTIONS_PLAYERS = 32775;
constexpr unsigned ID_OPTIONS_SPEED_SLOW = 32780;
constexpr unsigned ID_OPTIONS_SPEED_NORMAL = 32781;
constexpr unsigned ID_OPTIONS_SPEED_FAST = 32782;
constexpr unsigned ID_OPTIONS_STRENGTH_CLASSIC = 32783;
constexpr unsigned ID_OPTIONS_STRENGTH_STRONG = 32784;
constexpr unsigned ID_GAME_HINT = 32785;
constexpr unsigned ID_OPTIONS_REMEMBER = 32786;
constexpr unsigned ID_FILE_NEW = 57600;
constexpr unsigned ID_APP_ABOUT = 57664;
constexpr unsigned ID_APP_EXIT = 57665;
constexpr unsigned ID_HELP_FINDER = 57667;
constexpr unsigned ID_CONTEXT_HELP = 57669;
constexpr unsigned ID_DEFAULT_HELP = 57671;

// Radio buttons of the option dialogs.
constexpr int IDC_TWO_COLUMNS = 1000;
constexpr int IDC_THREE_COLUMNS = 1001;
constexpr int IDC_FOUR_COLUMNS = 1002;
constexpr int IDC_TWO_PLAYERS = 1003;
constexpr int IDC_THREE_PLAYERS = 1004;
constexpr int IDC_FOUR_PLAYERS = 1005;
constexpr int IDC_PLAYER1_HUMAN = 1006;
constexpr int IDC_PLAYER1_COMPUTER = 1007;
constexpr int IDC_PLAYER2_HUMAN = 1010;
constexpr int IDC_PLAYER2_COMPUTER = 1011;
constexpr int IDC_PLAYER3_HUMAN = 1012;
constexpr int IDC_PLAYER3_COMPUTER = 1013;
constexpr int IDC_PLAYER4_HUMAN = 1014;
constexpr int IDC_PLAYER4_COMPUTER = 1015;
