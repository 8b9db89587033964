#include "Gallery.h"

#include <sys/stat.h>

#include <cerrno>

#include "AnalysisPage.h"
#include "AxesPage.h"
#include "AxisTextPage.h"
#include "BackgroundPage.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "ContributionPage.h"
#include "CurvesFigurePage.h"
#include "EverydayFigurePage.h"
#include "MapFigurePage.h"
#include "CairoRender.h"
#include "ColormapPage.h"
#include "PlotPrimitivesPage.h"
#include "RefPtr.h"

const std::vector<GalleryPage>& Gallery::Pages() {
  static const std::vector<GalleryPage> sPages = {
      {"backgrounds", 800, 500, &BackgroundPage::Build},
      {"axis-texts", 1000, 625, &AxisTextPage::Build},
      {"axes", 1200, 900, &AxesPage::Build},
      {"plot-primitives", 1000, 625, &PlotPrimitivesPage::Build},
      {"contribution-bars", 1000, 625, &ContributionPage::Build},
      {"colour-maps", 1000, 625, &ColormapPage::Build},
      {"figure-curves", 1200, 800, &CurvesFigurePage::Build, true},
      {"figure-maps", 1200, 560, &MapFigurePage::Build, true},
      {"figure-contribution", 1000, 480, &MapFigurePage::BuildContribution, true},
      {"figure-everyday", 1200, 520, &EverydayFigurePage::Build, true},
      {"figure-analysis", 1400, 1000, &AnalysisPage::Build, true},
  };
  return sPages;
}

bool Gallery::Render(const std::string& iDirectory, std::vector<std::string>& oFiles, std::string& oError) {
  if (::mkdir(iDirectory.c_str(), 0755) != 0 && errno != EEXIST) {
    oError = "cannot create the folder " + iDirectory;
    return false;
  }
  const RefPtr<CATFont> lFont(CATFont::CreateDefault());
  if (!lFont) {
    oError = "no text font: install the package fonts-dejavu-core";
    return false;
  }
  bool lOk = true;
  for (const GalleryPage& lPage : Pages()) {
    CATViewer lViewer(lPage.Width, lPage.Height);
    lPage.Build(lViewer, *lFont);
    const struct {
      CairoRender::eOutput kind;
      const char* extension;
    } lOutputs[] = {{CairoRender::PNG, ".png"}, {CairoRender::SVG, ".svg"}, {CairoRender::PDF, ".pdf"}};
    for (const auto& lOutput : lOutputs) {
      if (lOutput.kind == CairoRender::PDF && !lPage.Pdf) continue;
      std::string lPath = iDirectory + "/" + lPage.Name + lOutput.extension;
      CairoRender lRender(lPage.Width, lPage.Height, lOutput.kind, lPath);
      lViewer.Draw(lRender);
      if (lRender.Finish() != S_OK) {
        oError = "cannot write " + lPath;
        lOk = false;
        break;
      }
      oFiles.push_back(lPath);
    }
    if (!lOk) break;
  }
  return lOk;
}
