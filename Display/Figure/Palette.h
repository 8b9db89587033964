// Qualitative palette for the curves and bars of one plot area: ten colours that are told apart
// easily (also in grey print, mostly), in the order they are handed out.
#ifndef Palette_H
#define Palette_H

class Palette {
 public:
  static constexpr int kSize = 10;
  // Colour iIndex (taken modulo kSize; negative counts as 0) as 0-255 components.
  static void Color(int iIndex, int& oRed, int& oGreen, int& oBlue);
};

#endif
