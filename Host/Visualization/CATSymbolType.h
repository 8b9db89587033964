// Marker symbols a render draws at points.
#ifndef CATSymbolType_H
#define CATSymbolType_H

enum CATSymbolType : int {
  CATSymbolCross = 0,
  CATSymbolPlus = 1,
  CATSymbolCircle = 2,
  CATSymbolFilledCircle = 3,
  CATSymbolSquare = 4,
  CATSymbolFilledSquare = 5,
  CATSymbolTriangle = 6,
  CATSymbolFilledTriangle = 7,
  CATSymbolDiamond = 8,
  CATSymbolDot = 9
};

#endif
