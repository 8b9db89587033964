#include "Figure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cctype>

#include "CATViewer.h"
#include "PlotArea.h"

Figure::Figure(int iWidth, int iHeight, const FigureStyle& iStyle)
    : _Width(std::max(1, iWidth)), _Height(std::max(1, iHeight)), _Style(iStyle) {}

Figure::~Figure() = default;

PlotArea& Figure::AddPlot(double iX0, double iY0, double iX1, double iY1) {
  _Plots.push_back({std::unique_ptr<PlotArea>(new PlotArea), CATMathBox2D(iX0, iX1, iY0, iY1)});
  return *_Plots.back().area;
}

void Figure::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, _Width, 0.0, _Height);
  std::vector<CATMathBox2D> lPages;
  for (Plot& lPlot : _Plots) {
    const CATMathPoint2D lLow = lPlot.part.GetLow(), lHigh = lPlot.part.GetHigh();
    lPages.push_back(CATMathBox2D(lLow.GetX() * _Width, lHigh.GetX() * _Width, lLow.GetY() * _Height,
                                  lHigh.GetY() * _Height));
    lPlot.area->Layout(iFont, lPages.back(), _Style);
  }
  // Plot areas whose page parts share an edge get the same margin there, so that stacked plots
  // line up.
  const size_t n = _Plots.size();
  std::vector<std::array<double, 4>> lMargins(n);
  for (size_t i = 0; i < n; ++i) _Plots[i].area->GetMargins(lMargins[i].data());
  auto lEdge = [&lPages](size_t i, int iSide) {
    const CATMathBox2D& p = lPages[i];
    switch (iSide) {
      case 0: return p.GetLow().GetY();
      case 1: return p.GetLow().GetX();
      case 2: return p.GetHigh().GetY();
      default: return p.GetHigh().GetX();
    }
  };
  std::vector<std::array<double, 4>> lAligned = lMargins;
  for (size_t i = 0; i < n; ++i)
    for (size_t j = 0; j < n; ++j)
      for (int s = 0; s < 4; ++s)
        if (std::fabs(lEdge(i, s) - lEdge(j, s)) < 0.5) lAligned[i][s] = std::max(lAligned[i][s], lMargins[j][s]);
  for (size_t i = 0; i < n; ++i) {
    _Plots[i].area->SetMargins(lAligned[i].data());
    _Plots[i].area->Build(ioViewer, iFont, lPages[i], _Style);
  }
}

std::vector<std::string> Figure::GetWarnings() const {
  std::vector<std::string> lWarnings;
  for (const Plot& lPlot : _Plots)
    if (!lPlot.area->GetWarning().empty()) lWarnings.push_back(lPlot.area->GetWarning());
  return lWarnings;
}

bool Figure::KindOf(const std::string& iPath, CairoRender::eOutput& oKind) {
  const size_t lDot = iPath.rfind('.');
  if (lDot == std::string::npos) return false;
  std::string lExtension = iPath.substr(lDot + 1);
  for (char& c : lExtension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lExtension == "png") oKind = CairoRender::PNG;
  else if (lExtension == "svg") oKind = CairoRender::SVG;
  else if (lExtension == "pdf") oKind = CairoRender::PDF;
  else return false;
  return true;
}

void Figure::Draw(CairoRender& ioRender, CATFont& iFont) {
  CATViewer lViewer(_Width, _Height);
  Build(lViewer, iFont);
  if (ioRender.IsValid()) lViewer.Draw(ioRender);
}

namespace {

const char kNoMemory[] = "no memory for a picture of this size";

}  // namespace

bool Figure::GetPixels(CATFont& iFont, unsigned char* oRGBA, std::string& oError) {
  CairoRender lRender(_Width, _Height, CairoRender::PNG, "");
  Draw(lRender, iFont);
  if (lRender.GetPixels(oRGBA)) return true;
  oError = kNoMemory;
  return false;
}

bool Figure::EncodePng(CATFont& iFont, std::vector<unsigned char>& oPng, std::string& oError) {
  CairoRender lRender(_Width, _Height, CairoRender::PNG, "");
  Draw(lRender, iFont);
  if (lRender.EncodePng(oPng)) return true;
  oError = kNoMemory;
  return false;
}

bool Figure::ProbeMap(int iPlot, double iX, double iZ, CATFont& iFont, double& oValue) {
  if (iPlot < 0 || iPlot >= GetNbrPlots()) return false;
  // The map computes its values for the pixel grid it is drawn on: draw it, then ask.
  CairoRender lRender(_Width, _Height, CairoRender::PNG, "");
  Draw(lRender, iFont);
  double lValue = 0.0;
  // A NaN cell is no value; an infinite one is a value, shown in the scale's end colour.
  if (GetPlot(iPlot).GetMapValue(iX, iZ, lValue) != 0 || std::isnan(lValue)) return false;
  oValue = lValue;
  return true;
}

bool Figure::Write(const std::vector<std::string>& iPaths, CATFont& iFont, std::string& oError) {
  CATViewer lViewer(_Width, _Height);
  Build(lViewer, iFont);
  for (const std::string& lPath : iPaths) {
    CairoRender::eOutput lKind = CairoRender::PNG;
    if (!KindOf(lPath, lKind)) {
      oError = lPath + ": unknown picture type: name the file .png, .svg or .pdf";
      return false;
    }
    CairoRender lRender(_Width, _Height, lKind, lPath);
    if (lRender.IsValid()) lViewer.Draw(lRender);
    if (lRender.Finish() != S_OK) {
      // Only a surface that could not be made at all fails without the system's reason.
      const std::string& lReason = lRender.GetError();
      oError = lPath + ": cannot write: " + (lReason.empty() ? "no memory for a picture of this size" : lReason);
      return false;
    }
  }
  return true;
}
