// Filled polygon primitive, drawn through the render's 2D polygon operation.
#ifndef CAT2DPolygonGP_H
#define CAT2DPolygonGP_H

#include <vector>

#include "CATGraphicPrimitive.h"
#include "CATMathPoint2Df.h"

class CAT2DPolygonGP : public CATGraphicPrimitive {
 public:
  CAT2DPolygonGP(const CATMathPoint2Df* iPoints, int iNbPoints);
  void Draw(CATRender& iRender) override;

  const float* GetPoints() const { return _Coords.empty() ? nullptr : _Coords.data(); }
  int GetNbPoints() const { return static_cast<int>(_Coords.size() / 2); }

 private:
  std::vector<float> _Coords;
};

#endif
