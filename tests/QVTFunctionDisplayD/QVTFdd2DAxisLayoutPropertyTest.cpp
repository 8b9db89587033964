// Property of the axis layout: over many random axes (lengths, directions, ranges, text heights,
// tick positions, with the ready-made linear and logarithmic tick sources), no two texts that one
// drawing pushes overlap. Texts are measured as drawn: the axis-aligned box around the corners the
// geometric text primitive gives (the box the layout tested); boxes may touch.
//
// Horizontal and vertical axes are checked whole. On oblique axes the labels are left out of the
// check: a label is turned along the axis and put beyond the occupied region as measured along the
// main direction nearest its side, so its axis-aligned box can reach back over the value texts;
// the value and limit texts, which stand upright, are checked there too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"
#include "LinearTicks.h"
#include "LogTicks.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFddGPList.h"

namespace {

struct TextBox {
  std::string text;
  double x0, x1, y0, y1;
};

// The boxes of the texts of every list; without the labels (the two texts at the head of the
// active list, pushed last) when iWithLabels is false.
std::vector<TextBox> TextBoxes(QVTFdd2DAxisDrawing& iDrawing, bool iWithLabels) {
  std::vector<TextBox> lBoxes;
  for (int i = 0; i < iDrawing.GetNbrSPS(); ++i) {
    int lSkip = !iWithLabels && i == iDrawing.GetAcitveSPS() ? 2 : 0;
    for (QVTFddGPList* lNode = iDrawing.GetList(i); lNode; lNode = lNode->GetNext()) {
      const CAT2DGeometricTextGP* lText = dynamic_cast<const CAT2DGeometricTextGP*>(lNode->GetGP());
      if (!lText) continue;
      if (lSkip > 0) {
        --lSkip;
        continue;
      }
      float c[8];
      lText->GetBoundingBox(c);
      lBoxes.push_back({lText->GetText().ToUTF8(), std::min({c[0], c[2], c[4], c[6]}),
                        std::max({c[0], c[2], c[4], c[6]}), std::min({c[1], c[3], c[5], c[7]}),
                        std::max({c[1], c[3], c[5], c[7]})});
    }
  }
  return lBoxes;
}

// Overlap by more than iTolerance in both directions; touching boxes do not overlap.
bool Overlap(const TextBox& a, const TextBox& b, double iTolerance) {
  return std::min(a.x1, b.x1) - std::max(a.x0, b.x0) > iTolerance &&
         std::min(a.y1, b.y1) - std::max(a.y0, b.y0) > iTolerance;
}

std::string Text(double iValue) {
  std::ostringstream lStream;
  lStream << iValue;
  return lStream.str();
}

}  // namespace

TEST(QVTFdd2DAxisLayoutProperty, TextsOfOneDrawingNeverOverlap) {
  CATFont* lFont = CATFont::CreateDefault();
  ASSERT_NE(lFont, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  std::mt19937 lRandom(20240611);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  const double kPi = 3.14159265358979323846;
  const int kCases = 1000;
  int lTextsSeen = 0, lAxesWithTickTexts = 0;
  const char* kLabels[] = {"", "x", "Time [s]", "Amplitude of the first harmonic [mV]"};

  for (int lCase = 0; lCase < kCases; ++lCase) {
    // Geometry: any length and orientation, texts on either side of the line.
    const double lLength = std::pow(10.0, 0.5 + 2.5 * lUnit(lRandom));  // 3 .. 1000
    const bool lAligned = lUnit(lRandom) < 0.5;
    const double lAngle = lAligned ? std::floor(4 * lUnit(lRandom)) * kPi / 2 : 2 * kPi * lUnit(lRandom);
    const CATMathPoint2D lStart(200 * lUnit(lRandom) - 100, 200 * lUnit(lRandom) - 100);
    const CATMathPoint2D lEnd(lStart.GetX() + lLength * std::cos(lAngle), lStart.GetY() + lLength * std::sin(lAngle));
    const double lSide = lUnit(lRandom) < 0.5 ? 1.0 : -1.0;
    const CATMathDirection2D lDirection(-lSide * std::sin(lAngle), lSide * std::cos(lAngle));
    const float lHeight = static_cast<float>(std::pow(10.0, -0.5 + 2.0 * lUnit(lRandom)));  // 0.3 .. 30

    // Range: any magnitude and sign, sometimes logarithmic.
    const bool lLog = lUnit(lRandom) < 0.25;
    double lMin, lMax;
    if (lLog) {
      lMin = std::pow(10.0, -6 + 8 * lUnit(lRandom));
      lMax = lMin * std::pow(10.0, 0.3 + 10 * lUnit(lRandom));
    } else {
      const double lScale = std::pow(10.0, -6 + 12 * lUnit(lRandom));
      lMin = lScale * (2 * lUnit(lRandom) - 1);
      lMax = lMin + lScale * std::pow(10.0, -2 + 3 * lUnit(lRandom));
    }
    if (lUnit(lRandom) < 0.2) std::swap(lMin, lMax);

    QVTIFddTicks* lMajor = lLog ? static_cast<QVTIFddTicks*>(new LogTicks(lMin, lMax, LogTicks::eMajor))
                                : new LinearTicks(lMin, lMax, LinearTicks::eMajor);
    QVTIFddTicks* lMinor = lLog ? static_cast<QVTIFddTicks*>(new LogTicks(lMin, lMax, LogTicks::eMinor))
                                : new LinearTicks(lMin, lMax, LinearTicks::eMinor);
    // A third source whose values are shown too, at the level the major ticks chose.
    LinearTicks* lThird = new LinearTicks(lMin, lMax, LinearTicks::eMinor, 20);
    ASSERT_TRUE(lMajor && lMinor && lThird);
    lThird->SetValuesVisible(1);
    static_cast<LeveledTicks*>(lMajor)->SetTickLength(static_cast<int>(4 * lUnit(lRandom)));

    CATUnicodeString lMinText(Text(lMin)), lMaxText(Text(lMax));
    const auto lPosition = static_cast<QVTFdd2DAxisDrawing::eTickPosition>(std::floor(4 * lUnit(lRandom)));
    const bool lShowLimits = lUnit(lRandom) < 0.7;
    QVTFdd2DAxisDrawing* lDrawing = new QVTFdd2DAxisDrawing(
        lStart, lEnd, lDirection, lHeight, lFont, &lMinText, &lMaxText, 1, 0, lShowLimits, lPosition, lMajor, lMinor,
        lThird, kLabels[lCase % 4], kLabels[(lCase / 4) % 4], 1, CATListValCATUnicodeString());
    ASSERT_NE(lDrawing, nullptr);
    lMajor->Release();
    lMinor->Release();
    lThird->Release();

    const std::vector<TextBox> lBoxes = TextBoxes(*lDrawing, lAligned);
    lTextsSeen += static_cast<int>(lBoxes.size());
    if (lBoxes.size() > 4) ++lAxesWithTickTexts;
    // Float coordinates of the primitives: a millionth of the geometry's size is noise.
    const double lTolerance = 1e-6 * (std::fabs(lStart.GetX()) + std::fabs(lStart.GetY()) + lLength + lHeight);
    for (size_t i = 0; i < lBoxes.size(); ++i)
      for (size_t j = i + 1; j < lBoxes.size(); ++j)
        EXPECT_FALSE(Overlap(lBoxes[i], lBoxes[j], lTolerance))
            << "case " << lCase << (lAligned ? " aligned" : " oblique") << ": \"" << lBoxes[i].text << "\" and \""
            << lBoxes[j].text << "\", length " << lLength << ", angle " << lAngle << ", height " << lHeight << ", range " << lMin << " .. " << lMax;
    lDrawing->Release();
  }
  // The cases did lay out texts: tick texts on most axes.
  EXPECT_GT(lTextsSeen, kCases * 4);
  EXPECT_GT(lAxesWithTickTexts, kCases / 2);
  lFont->Release();
}
