// 3D line primitive: points as x, y, z triples.
#ifndef CAT3DLineGP_H
#define CAT3DLineGP_H

#include <vector>

#include "CATGraphicPrimitive.h"

class CAT3DLineGP : public CATGraphicPrimitive {
 public:
  CAT3DLineGP(const float* iCoords, int iNbPoints, int iLineFlag, int iTessFlag);
  void Draw(CATRender& iRender) override;

  const float* GetCoords() const { return _Coords.empty() ? nullptr : _Coords.data(); }
  int GetNbPoints() const { return static_cast<int>(_Coords.size() / 3); }
  int GetLineFlag() const { return _LineFlag; }
  int GetTessFlag() const { return _TessFlag; }

 private:
  std::vector<float> _Coords;
  int _LineFlag;
  int _TessFlag;
};

#endif
