// Numeric ids of the bitmaps compiled into the program.
#pragma once

constexpr unsigned IDB_BOARD = 131;    // 480 × 480 board
constexpr unsigned IDB_PEGS = 132;     // 175 × 14 strip of peg, hole and pip sprites
constexpr unsigned IDB_DICE = 133;     // 144 × 73: the white and the black die
constexpr unsigned IDB_BUTTONS = 136;  // 120 × 53: five button pictures side by side
constexpr unsigned IDB_PLAYER1 = 145;  // 158 × 34 banners "Player 1" … "Player 4": 145 … 148
constexpr unsigned IDB_PLAYER2 = 146;
constexpr unsigned IDB_PLAYER3 = 147;
constexpr unsigned IDB_PLAYER4 = 148;
constexpr unsigned IDB_WINNER1 = 149;  // "Winner 1" … "Winner 4": 149 … 152
constexpr unsigned IDB_WINNER2 = 150;
constexpr unsigned IDB_WINNER3 = 151;
constexpr unsigned IDB_WINNER4 = 152;
constexpr unsigned IDB_NOWINNER = 153;  // the game ended with nobody winning
