// Graphic attributes of what a render draws: colour and line thickness.
// Layout of the first 32-bit word: bits 18 to 23 hold the line thickness in device pixels
// (0 means the thinnest line, one pixel); the other bits are free.
#ifndef CATGraphicAttributeSet_H
#define CATGraphicAttributeSet_H

class CATGraphicAttributeSet {
 public:
  CATGraphicAttributeSet() = default;

  unsigned int GetFirstWord() const { return _Word0; }
  void SetFirstWord(unsigned int iWord) { _Word0 = iWord; }

  int GetThickness() const { return static_cast<int>((_Word0 >> kThicknessShift) & kThicknessMask); }
  void SetThickness(int iPixels) {
    unsigned int lValue = iPixels < 0 ? 0u : (iPixels > 63 ? 63u : static_cast<unsigned int>(iPixels));
    _Word0 = (_Word0 & ~(kThicknessMask << kThicknessShift)) | (lValue << kThicknessShift);
  }
  // Width in device pixels at which lines are stroked.
  float GetLineWidth() const { return GetThickness() == 0 ? 1.0f : static_cast<float>(GetThickness()); }

  void SetColor(int iRed, int iGreen, int iBlue, int iAlpha = 255) {
    _Color[0] = Byte(iRed);
    _Color[1] = Byte(iGreen);
    _Color[2] = Byte(iBlue);
    _Color[3] = Byte(iAlpha);
  }
  void GetColor(int& oRed, int& oGreen, int& oBlue, int& oAlpha) const {
    oRed = _Color[0];
    oGreen = _Color[1];
    oBlue = _Color[2];
    oAlpha = _Color[3];
  }

  bool operator==(const CATGraphicAttributeSet& o) const {
    return _Word0 == o._Word0 && _Color[0] == o._Color[0] && _Color[1] == o._Color[1] &&
           _Color[2] == o._Color[2] && _Color[3] == o._Color[3];
  }
  bool operator!=(const CATGraphicAttributeSet& o) const { return !(*this == o); }

 private:
  static constexpr unsigned int kThicknessShift = 18;
  static constexpr unsigned int kThicknessMask = 0x3F;
  static unsigned char Byte(int v) { return static_cast<unsigned char>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

  unsigned int _Word0 = 0;
  unsigned char _Color[4] = {0, 0, 0, 255};
};

#endif
