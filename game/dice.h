// The four dice at the corners of the board and their animated throw.
#pragma once

#include <cstdint>

class CDie {
 public:
  CDie();
  virtual ~CDie() = default;

  // Throws the die: eleven animation frames, then a new face 1 … 6.
  void Roll();
  // Paints one frame with this face showing; the die's own value is kept.
  void ShowFace(int value);
  // The wait between two frames.
  void Pause(int count);

  int m_bRedraw;             // the body (white, or black when selected) must be painted again
  int m_nIndex;              // 0 … 3, from g_nDieCount at construction
  std::uint8_t m_bSelected;  // picked for the pair being formed; drawn black
  int m_nValue;              // face 1 … 6; 0 = used in a pair since the last roll

 private:
  friend void ThrowDice();
  // A throw begins: ROLL and STOP go blank and a black die turns white.
  void StartThrow();
  // The throw ends on a face, unless a test has stated the face to keep.
  void Settle(int face);
  // A face a test has stated for this die replaces the thrown one.
  void TakeStatedFace();
};

// Dice constructed so far; the four of g_Dice take the numbers 0 … 3.
extern int g_nDieCount;

// Top-left, top-right, bottom-left, bottom-right.
extern CDie g_Dice[4];

// Throws the four dice, one after the other, as a throw of the rules does.
void ThrowDice();

// A face drawn from the random source: 1 and 2 come up 5462 times in 32768, 3 … 6 5461 times.
int DrawFace();
