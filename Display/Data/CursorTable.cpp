#include "CursorTable.h"

#include <charconv>
#include <cmath>

#include "CATSamIVector.h"
#include "CurveLevels.h"

namespace {

// Locale-free: a caller's decimal comma would break the CSV. iDigits 0: the shortest text that
// reads back exactly.
std::string Number(double iValue, int iDigits = 0) {
  if (std::isnan(iValue)) return iDigits ? "-" : "";
  char lText[40];
  const std::to_chars_result lEnd = iDigits ? std::to_chars(lText, lText + sizeof lText, iValue, std::chars_format::general, iDigits)
                                            : std::to_chars(lText, lText + sizeof lText, iValue);
  return std::string(lText, lEnd.ptr);
}

// A CSV cell: quoted when the name holds a separator, a quote or a line end.
std::string Cell(const std::string& iText) {
  if (iText.find_first_of(",\"\r\n") == std::string::npos) return iText;
  std::string lCell = "\"";
  for (char c : iText) lCell += c == '"' ? std::string("\"\"") : std::string(1, c);
  return lCell + "\"";
}

}  // namespace

void CursorTable::ValueAt(const CurveLevels& iLevels, double iX, double& oSample, double& oInterpolated) {
  oSample = oInterpolated = NAN;
  const size_t lLength = iLevels.GetLength();
  if (std::isnan(iX) || lLength == 0) return;
  // The last sample at or before iX; the next one lies strictly beyond it, so repeats of x never
  // divide by zero.
  const size_t lAfter = iLevels.FirstAfter(iX);
  if (lAfter == 0) return;
  const unsigned int i = static_cast<unsigned int>(lAfter - 1);
  CATSamIVector* lX = iLevels.GetX();
  CATSamIVector* lY = iLevels.GetY();
  oSample = lY->GetValue(i);
  const double x0 = lX->GetValue(i);
  if (x0 == iX) {
    oInterpolated = oSample;
  } else if (lAfter < lLength) {
    const double x1 = lX->GetValue(i + 1), y1 = lY->GetValue(i + 1);
    oInterpolated = oSample + (y1 - oSample) * ((iX - x0) / (x1 - x0));
  }
}

void CursorTable::AddCurve(const std::string& iName, const CurveLevels& iLevels) {
  Row lRow;
  lRow.Name = iName;
  if (iLevels.IsReady()) {
    ValueAt(iLevels, _A, lRow.YA, lRow.YAInterpolated);
    ValueAt(iLevels, _B, lRow.YB, lRow.YBInterpolated);
    lRow.DeltaY = lRow.YBInterpolated - lRow.YAInterpolated;
    lRow.Stats = iLevels.GetStatsOver(std::fmin(_A, _B), std::fmax(_A, _B));
  }
  _Rows.push_back(lRow);
}

std::vector<std::string> CursorTable::Lines() const {
  const int d = 6;
  std::vector<std::string> lLines = {"A  " + Number(_A, d), "B  " + Number(_B, d),
                                     "\xCE\x94x  " + Number(GetDeltaX(), d),
                                     "1/\xCE\x94x  " + Number(GetInverseDeltaX(), d)};
  for (const Row& r : _Rows) {
    lLines.push_back(r.Name.empty() ? "(curve)" : r.Name);
    lLines.push_back("  y(A)  " + Number(r.YA, d) + "  ~ " + Number(r.YAInterpolated, d));
    lLines.push_back("  y(B)  " + Number(r.YB, d) + "  ~ " + Number(r.YBInterpolated, d));
    lLines.push_back("  \xCE\x94y  " + Number(r.DeltaY, d));
    lLines.push_back("  min  " + Number(r.Stats.GetMin(), d) + "  max  " + Number(r.Stats.GetMax(), d));
    lLines.push_back("  mean  " + Number(r.Stats.GetMean(), d) + "  rms  " + Number(r.Stats.GetRms(), d));
    lLines.push_back("  n  " + std::to_string(r.Stats.GetCount()));
  }
  return lLines;
}

std::string CursorTable::Csv() const {
  std::string lText = "curve,x_a,x_b,dx,inv_dx,y_a,y_a_interp,y_b,y_b_interp,dy,min,max,mean,rms,count\n";
  const std::string lCursors = "," + Number(_A) + "," + Number(_B) + "," + Number(GetDeltaX()) + "," +
                               Number(GetInverseDeltaX());
  for (const Row& r : _Rows)
    lText += Cell(r.Name) + lCursors + "," + Number(r.YA) + "," + Number(r.YAInterpolated) + "," + Number(r.YB) + "," +
             Number(r.YBInterpolated) + "," + Number(r.DeltaY) + "," + Number(r.Stats.GetMin()) + "," +
             Number(r.Stats.GetMax()) + "," + Number(r.Stats.GetMean()) + "," + Number(r.Stats.GetRms()) + "," +
             std::to_string(r.Stats.GetCount()) + "\n";
  return lText;
}
