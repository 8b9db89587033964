#include "FddPlotRun.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <fstream>

#include "NpyBytes.h"

const std::string kProgram = FDD_PLOT_PATH;

Result RunFddPlot(const std::string& iArguments) {
  Result r;
  FILE* p = ::popen((kProgram + " " + iArguments + " 2>&1").c_str(), "r");
  if (!p) return r;
  char lBuffer[4096];
  size_t n = 0;
  while ((n = std::fread(lBuffer, 1, sizeof lBuffer, p)) > 0) r.output.append(lBuffer, n);
  const int lStatus = ::pclose(p);
  r.status = WIFEXITED(lStatus) ? WEXITSTATUS(lStatus) : -1;
  return r;
}

std::string Dir() {
  static const std::string sDir = [] {
    std::string d = TestOutputPath("fdd-plot");
    ::mkdir(d.c_str(), 0755);
    return d + "/";
  }();
  return sDir;
}

std::string Npy(const std::string& iName, const std::vector<double>& iValues, std::vector<size_t> iShape) {
  if (iShape.empty()) iShape = {iValues.size()};
  const std::string lShape =
      "(" + std::to_string(iShape[0]) + (iShape.size() == 1 ? ",)" : ", " + std::to_string(iShape[1]) + ")");
  return Text(iName, NpyBytes(NpyDict("<f8", lShape), StoredBytes(iValues)));
}

std::string Text(const std::string& iName, const std::string& iContent) {
  const std::string lPath = Dir() + iName;
  std::ofstream(lPath, std::ios::binary) << iContent;
  return lPath;
}

std::vector<double> Range(int n, double a, double b) {
  std::vector<double> v;
  for (int i = 0; i < n; ++i) v.push_back(a + (b - a) * i / (n - 1));
  return v;
}

// Size of a PNG from its header.
bool PngSize(const std::string& iPath, int& oWidth, int& oHeight) {
  std::ifstream f(iPath, std::ios::binary);
  unsigned char h[24] = {};
  if (!f.read(reinterpret_cast<char*>(h), 24) || std::memcmp(h + 1, "PNG", 3) != 0) return false;
  oWidth = (h[16] << 24) | (h[17] << 16) | (h[18] << 8) | h[19];
  oHeight = (h[20] << 24) | (h[21] << 16) | (h[22] << 8) | h[23];
  return true;
}

bool IsGround(const PngPixels& iPng, int x, int y) {
  unsigned char p[4];
  return iPng.Pixel(x, y, p) && p[0] == 250 && p[1] == 250 && p[2] == 250;
}
Box GroundBox(const PngPixels& iPng, int iRow, int iColumn) {
  Box b;
  for (int x = 0; x < iPng.width; ++x)
    if (IsGround(iPng, x, iRow)) {
      if (b.left < 0) b.left = x;
      b.right = x;
    }
  for (int y = 0; y < iPng.height; ++y)
    if (IsGround(iPng, iColumn, y)) {
      if (b.top < 0) b.top = y;
      b.bottom = y;
    }
  return b;
}

bool IsBlue(const unsigned char p[4]) { return p[2] > 120 && p[0] < 120 && p[2] > p[0] + 60; }

