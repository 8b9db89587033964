// Draws reps into a 160 x 100 PNG file over a grey background: a viewer holds the reps (the
// caller's references are given back) and lets them go before this returns. Returns what
// finishing the file returned.
#ifndef QVTFddTestRepsPng_H
#define QVTFddTestRepsPng_H

#include <string>
#include <vector>

#include "CATRep.h"
#include "CATViewer.h"
#include "CairoRender.h"

inline HRESULT DrawRepsToPng(const std::vector<CATRep*>& iReps, const std::string& iPath) {
  CATViewer lViewer(160, 100);
  for (CATRep* lRep : iReps) {
    lViewer.AddRep(lRep);
    lRep->Release();
  }
  CairoRender lRender(160, 100, CairoRender::PNG, iPath);
  lRender.SetBackground(200, 200, 200);
  lViewer.Draw(lRender);
  const HRESULT lStatus = lRender.Finish();
  lViewer.Clear();
  return lStatus;
}

#endif
