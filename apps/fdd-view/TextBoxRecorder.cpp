#include "TextBoxRecorder.h"

#include <algorithm>
#include <cstdio>

#include "CAT2DGeometricTextGP.h"
#include "CATViewer.h"

void TextBoxRecorder::Draw2DGeometricText(CAT2DGeometricTextGP& iText) {
  float c[8];
  iText.GetBoundingBox(c);
  char lBox[128];
  std::snprintf(lBox, sizeof lBox, "%.1f,%.1f,%.1f,%.1f", std::min({c[0], c[2], c[4], c[6]}),
                std::min({c[1], c[3], c[5], c[7]}), std::max({c[0], c[2], c[4], c[6]}),
                std::max({c[1], c[3], c[5], c[7]}));
  _Boxes += (_Boxes.empty() ? "" : ";") + std::string(lBox);
  RecordingRender::Draw2DGeometricText(iText);
}

void TextBoxRecorder::Record(CATViewer& ioViewer, int iWidth, int iHeight, std::string& oTexts, std::string& oBoxes) {
  TextBoxRecorder lRecorder(iWidth, iHeight);
  ioViewer.Draw(lRecorder);
  oTexts.clear();
  for (const RecordedCall& lCall : lRecorder.Calls())
    if (!lCall.Text.empty()) oTexts += (oTexts.empty() ? "" : "|") + lCall.Text;
  oBoxes = lRecorder.GetBoxes();
}
