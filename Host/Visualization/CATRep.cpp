#include "CATRep.h"

void CATRep::DrawShading(CATRender&, int) {}
