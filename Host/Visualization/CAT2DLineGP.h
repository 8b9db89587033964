// Line primitive: iNbPoints points, drawn through the render's 2D line operation with the two
// integer arguments it was built with.
#ifndef CAT2DLineGP_H
#define CAT2DLineGP_H

#include <vector>

#include "CATGraphicPrimitive.h"
#include "CATMathPoint2Df.h"

class CAT2DLineGP : public CATGraphicPrimitive {
  HOST_META_DECLARE
 public:
  CAT2DLineGP() = default;
  CAT2DLineGP(const CATMathPoint2Df* iPoints, int iNbPoints, int iLineFlag, int iTessFlag);
  void Draw(CATRender& iRender) override;

  const float* GetPoints() const { return _Coords.empty() ? nullptr : _Coords.data(); }
  int GetNbPoints() const { return static_cast<int>(_Coords.size() / 2); }
  int GetLineFlag() const { return _LineFlag; }
  int GetTessFlag() const { return _TessFlag; }

 private:
  std::vector<float> _Coords;
  int _LineFlag = 1;
  int _TessFlag = 0;
};

#endif
