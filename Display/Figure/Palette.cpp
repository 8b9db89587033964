#include "Palette.h"

void Palette::Color(int iIndex, int& oRed, int& oGreen, int& oBlue) {
  static const unsigned char kColors[kSize][3] = {
      {31, 119, 180},  {255, 127, 14}, {44, 160, 44},  {214, 39, 40},   {148, 103, 189},
      {140, 86, 75},   {227, 119, 194}, {127, 127, 127}, {188, 189, 34}, {23, 190, 207}};
  const unsigned char* c = kColors[iIndex < 0 ? 0 : iIndex % kSize];
  oRed = c[0];
  oGreen = c[1];
  oBlue = c[2];
}
