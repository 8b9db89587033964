// Golden-image comparison for the rendering tests. Images are PNG files read with cairo and compared
// as straight-alpha RGBA, channel values 0-255.
//
// A rendered image matches its golden when the RMS difference over all channels is at most
// iMaxRms and at most iMaxChanged pixels differ by more than iChannelThreshold in some channel.
// On a mismatch the rendered image and a diff image are written into FDD_TEST_OUTPUT_DIR. With the
// environment variable FDD_UPDATE_GOLDEN=1 the rendered image replaces the golden instead.
#ifndef ImageCompare_H
#define ImageCompare_H

#include <string>
#include <vector>

struct ImageDiff {
  bool ok = false;
  double rms = 0.0;   // over every channel of every pixel
  long changed = 0;   // pixels whose largest channel difference exceeds the threshold
  std::string message;
};

// Compares two PNG files; iDiffPng, when not empty, receives the diff image on a mismatch.
ImageDiff CompareImages(const std::string& iRenderedPng, const std::string& iExpectedPng, double iMaxRms,
                        long iMaxChanged, int iChannelThreshold = 24, const std::string& iDiffPng = std::string());

// Compares with FDD_GOLDEN_DIR/iGoldenName (an absolute name is taken as it is).
ImageDiff CompareWithGolden(const std::string& iRenderedPng, const std::string& iGoldenName, double iMaxRms,
                            long iMaxChanged, int iChannelThreshold = 24);

// The pixels of a PNG file, read once for tests that look at many of them.
struct PngPixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // straight alpha, rows top down
  // False when the file cannot be read.
  bool Load(const std::string& iPng);
  // RGBA of column iX, row iRowFromTop; false outside.
  bool Pixel(int iX, int iRowFromTop, unsigned char oRGBA[4]) const;
};

// RGBA of the pixel in column iX, row iRowFromTop of the PNG file (PNG rows run top down); false
// when the file cannot be read or the pixel is outside.
bool ReadPngPixel(const std::string& iPng, int iX, int iRowFromTop, unsigned char oRGBA[4]);

// Directory for files that tests write (created when missing).
std::string TestOutputPath(const std::string& iFileName);

#endif
