#include "QVTFdd2DAxisDrawing.h"

#include <new>

#include "CATGraphicPrimitive.h"
#include "QVTFdd2DAxisLabelPart.h"
#include "QVTFdd2DAxisLimitPart.h"
#include "QVTFdd2DAxisMajorTickPart.h"
#include "QVTFdd2DAxisTickPart.h"
#include "QVTFdd2DDiscreteAxisValuesPart.h"
#include "QVTFddGPList.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddSizeRender.h"
#include "QVTIFddTicks.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisDrawing, CATBaseUnknown)

namespace {

const double kRegionTolerance = 0.00001;

}  // namespace

QVTFdd2DAxisDrawing::QVTFdd2DAxisDrawing(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                         const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                                         CATUnicodeString* iMinTexts, CATUnicodeString* iMaxTexts, int iNbrSPS,
                                         int iActiveSPS, int iShowLimits, eTickPosition iTickPosition,
                                         QVTIFddTicks* iMajorTicks, QVTIFddTicks* iSecondTicks,
                                         QVTIFddTicks* iThirdTicks, const CATUnicodeString& iFirstLabel,
                                         const CATUnicodeString& iSecondLabel, int iIsContinuous,
                                         CATListValCATUnicodeString iDiscreteValues)
    : _Start(iStart),
      _End(iEnd),
      _Direction(iDirection),
      _TextHeight(iTextHeight),
      _Font(iFont),
      _TickPosition(iTickPosition),
      _MinTexts(nullptr),
      _MaxTexts(nullptr),
      _NbrSPS(iNbrSPS > 0 ? iNbrSPS : 0),
      _ShowLimits(iShowLimits),
      _ActiveSPS(iActiveSPS),
      _MajorTicks(RefPtr<QVTIFddTicks>::Hold(iMajorTicks)),
      _SecondTicks(RefPtr<QVTIFddTicks>::Hold(iSecondTicks)),
      _ThirdTicks(RefPtr<QVTIFddTicks>::Hold(iThirdTicks)),
      _FirstLabel(iFirstLabel),
      _SecondLabel(iSecondLabel),
      _IsContinuous(iIsContinuous),
      _DiscreteValues(iDiscreteValues),
      _BoundingBoxDone(0),
      _DetailLevel(0),
      _Lists(nullptr) {
  _MinTexts = CopyTexts(iMinTexts, _NbrSPS);
  _MaxTexts = CopyTexts(iMaxTexts, _NbrSPS);
}

QVTFdd2DAxisDrawing::~QVTFdd2DAxisDrawing() {
  delete[] _MinTexts;
  _MinTexts = nullptr;
  delete[] _MaxTexts;
  _MaxTexts = nullptr;
  if (_Lists) {
    for (int i = 0; i < _NbrSPS; ++i) delete _Lists[i];
    delete[] _Lists;
    _Lists = nullptr;
  }
  _Font = nullptr;
}

// A missing array, or one the heap could not supply, leaves null: every text then reads as empty.
CATUnicodeString* QVTFdd2DAxisDrawing::CopyTexts(const CATUnicodeString* iTexts, int iNbr) {
  if (!iTexts || iNbr <= 0) return nullptr;
  CATUnicodeString* lCopy = new (std::nothrow) CATUnicodeString[iNbr];
  if (!lCopy) return nullptr;
  for (int i = 0; i < iNbr; ++i) lCopy[i] = iTexts[i];
  return lCopy;
}

int QVTFdd2DAxisDrawing::ValidActiveSPS() const {
  return _ActiveSPS >= 0 && _ActiveSPS < _NbrSPS ? _ActiveSPS : -1;
}

void QVTFdd2DAxisDrawing::BuildLists() {
  if (_Lists || _NbrSPS <= 0) return;
  _Lists = new (std::nothrow) QVTFddGPList*[_NbrSPS];
  if (!_Lists) return;
  for (int i = 0; i < _NbrSPS; ++i) _Lists[i] = nullptr;

  // R: what the texts laid out so far occupy; each part gets a copy and adds what it returns.
  QVTFddMathRegion R(kRegionTolerance, nullptr);
  const CATUnicodeString lNoText;
  const int lActive = ValidActiveSPS();
  for (int i = 0; i < _NbrSPS; ++i) {
    QVTFdd2DAxisLimitPart lLimits(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R,
                                  _MinTexts ? _MinTexts[i] : lNoText, _MaxTexts ? _MaxTexts[i] : lNoText, _ShowLimits,
                                  i == lActive ? 1 : 0, i);
    R = R | lLimits.AddPrim(_Lists[i]);
  }
  if (lActive < 0) return;

  QVTFddGPList*& lList = _Lists[lActive];
  if (_IsContinuous) {
    QVTFdd2DAxisMajorTickPart lMajor(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R, _MajorTicks.Get(),
                                     _ShowLimits);
    R = R | lMajor.AddPrim(lList);
    _DetailLevel = lMajor.GetDetailLevel();
    QVTFdd2DAxisTickPart lSecond(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R, _SecondTicks.Get(),
                                 _ShowLimits, _DetailLevel);
    R = R | lSecond.AddPrim(lList);
    QVTFdd2DAxisTickPart lThird(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R, _ThirdTicks.Get(),
                                _ShowLimits, _DetailLevel);
    R = R | lThird.AddPrim(lList);
    QVTFdd2DAxisLabelPart lFirst(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R, _FirstLabel);
    R = R | lFirst.AddPrim(lList);
  } else {
    QVTFdd2DDiscreteAxisValuesPart lValues(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R,
                                           _DiscreteValues);
    R = R | lValues.AddPrim(lList);
  }
  QVTFdd2DAxisLabelPart lSecondLabel(_Start, _End, _Direction, _TextHeight, _Font, _TickPosition, R, _SecondLabel);
  lSecondLabel.AddPrim(lList);
}

QVTFddGPList* QVTFdd2DAxisDrawing::GetList(int iSPS) {
  BuildLists();
  if (!_Lists || iSPS < 0 || iSPS >= _NbrSPS) return nullptr;
  return _Lists[iSPS];
}

CAT2DBoundingBox QVTFdd2DAxisDrawing::GetBoundingElement() {
  if (!_BoundingBoxDone) {
    QVTFddSizeRender lRender;
    for (int i = 0; i < _NbrSPS; ++i)
      for (QVTFddGPList* lNode = GetList(i); lNode; lNode = lNode->GetNext())
        if (lNode->GetGP()) lNode->GetGP()->Draw(lRender);
    _BoundingBox = lRender.GetBB();
    _BoundingBoxDone = 1;
  }
  return _BoundingBox;
}

int QVTFdd2DAxisDrawing::GetNbrSPS() const { return _NbrSPS; }

int QVTFdd2DAxisDrawing::GetAcitveSPS() const { return _ActiveSPS; }

int QVTFdd2DAxisDrawing::GetDetailLevel() {
  GetList(_ActiveSPS);
  return _DetailLevel;
}
