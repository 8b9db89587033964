#include "QVTFdd2DAxisGP.h"

#include "CATDynamicGP.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFddGPList.h"
#include "QVTFddModuleFrame.h"

// Registered under the dynamic primitive, as the host expects of primitives that draw themselves.
QVTFDD_META_IMPLEMENT(QVTFdd2DAxisGP, CATDynamicGP)

QVTFdd2DAxisGP::QVTFdd2DAxisGP(QVTFdd2DAxisDrawing* iDrawing, int iSPS)
    : _Drawing(RefPtr<QVTFdd2DAxisDrawing>::Hold(iDrawing)), _SPS(iSPS) {}

QVTFdd2DAxisGP::~QVTFdd2DAxisGP() = default;

void QVTFdd2DAxisGP::Draw(CATRender& iRender) {
  if (!_Drawing) return;
  for (QVTFddGPList* lNode = _Drawing->GetList(_SPS); lNode; lNode = lNode->GetNext())
    if (lNode->GetGP()) lNode->GetGP()->Draw(iRender);
}
