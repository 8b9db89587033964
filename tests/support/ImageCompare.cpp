#include "ImageCompare.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// Straight-alpha RGBA rows, top down, of a PNG file; false when it cannot be read.
bool sLoad(const std::string& iPng, int& oWidth, int& oHeight, std::vector<unsigned char>& oRGBA) {
  cairo_surface_t* lFile = cairo_image_surface_create_from_png(iPng.c_str());
  if (cairo_surface_status(lFile) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(lFile);
    return false;
  }
  oWidth = cairo_image_surface_get_width(lFile);
  oHeight = cairo_image_surface_get_height(lFile);
  // Whatever format cairo chose for the file, read it back as premultiplied ARGB32.
  cairo_surface_t* lImage = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, oWidth, oHeight);
  cairo_t* lCr = cairo_create(lImage);
  cairo_set_operator(lCr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(lCr, lFile, 0.0, 0.0);
  cairo_paint(lCr);
  cairo_destroy(lCr);
  cairo_surface_flush(lImage);
  const unsigned char* lData = cairo_image_surface_get_data(lImage);
  const bool lOk = cairo_surface_status(lImage) == CAIRO_STATUS_SUCCESS && lData;
  if (lOk) {
    const int lStride = cairo_image_surface_get_stride(lImage);
    oRGBA.assign(size_t(oWidth) * size_t(oHeight) * 4, 0);
    for (int r = 0; r < oHeight; ++r) {
      const unsigned int* lRow = reinterpret_cast<const unsigned int*>(lData + size_t(r) * lStride);
      for (int c = 0; c < oWidth; ++c) {
        const unsigned int lPixel = lRow[c], lAlpha = lPixel >> 24;
        unsigned char* lOut = &oRGBA[(size_t(r) * oWidth + c) * 4];
        for (int k = 0; k < 3; ++k) {
          const unsigned int lValue = (lPixel >> (16 - 8 * k)) & 0xFF;
          lOut[k] = static_cast<unsigned char>(lAlpha == 0 ? 0 : (lValue * 255 + lAlpha / 2) / lAlpha);
        }
        lOut[3] = static_cast<unsigned char>(lAlpha);
      }
    }
  }
  cairo_surface_destroy(lImage);
  cairo_surface_destroy(lFile);
  return lOk;
}

// Diff image: the expected image faded to grey, pixels beyond the threshold in red, smaller
// differences in orange.
void sWriteDiff(const std::string& iPath, int iWidth, int iHeight, const std::vector<unsigned char>& iRendered,
                const std::vector<unsigned char>& iExpected, int iThreshold) {
  cairo_surface_t* lImage = cairo_image_surface_create(CAIRO_FORMAT_RGB24, iWidth, iHeight);
  unsigned char* lData = cairo_image_surface_get_data(lImage);
  if (cairo_surface_status(lImage) == CAIRO_STATUS_SUCCESS && lData) {
    cairo_surface_flush(lImage);
    const int lStride = cairo_image_surface_get_stride(lImage);
    for (int r = 0; r < iHeight; ++r) {
      unsigned int* lRow = reinterpret_cast<unsigned int*>(lData + size_t(r) * lStride);
      for (int c = 0; c < iWidth; ++c) {
        const size_t lAt = (size_t(r) * iWidth + c) * 4;
        int lMax = 0;
        for (int k = 0; k < 4; ++k) lMax = std::max(lMax, std::abs(int(iRendered[lAt + k]) - int(iExpected[lAt + k])));
        const unsigned int lGrey = 170u + (iExpected[lAt] + iExpected[lAt + 1] + iExpected[lAt + 2]) / 9u;
        if (lMax > iThreshold)
          lRow[c] = 0xFF0000u;
        else if (lMax > 0)
          lRow[c] = 0xFFA000u;
        else
          lRow[c] = (lGrey << 16) | (lGrey << 8) | lGrey;
      }
    }
    cairo_surface_mark_dirty(lImage);
    cairo_surface_write_to_png(lImage, iPath.c_str());
  }
  cairo_surface_destroy(lImage);
}

bool sCopy(const std::string& iFrom, const std::string& iTo) {
  std::error_code lError;
  const std::filesystem::path lTo(iTo);
  if (lTo.has_parent_path()) std::filesystem::create_directories(lTo.parent_path(), lError);
  return std::filesystem::copy_file(iFrom, lTo, std::filesystem::copy_options::overwrite_existing, lError) &&
         !lError;
}

}  // namespace

std::string TestOutputPath(const std::string& iFileName) {
  std::error_code lError;
  std::filesystem::create_directories(FDD_TEST_OUTPUT_DIR, lError);
  return (std::filesystem::path(FDD_TEST_OUTPUT_DIR) / iFileName).string();
}

ImageDiff CompareImages(const std::string& iRenderedPng, const std::string& iExpectedPng, double iMaxRms,
                        long iMaxChanged, int iChannelThreshold, const std::string& iDiffPng) {
  ImageDiff lDiff;
  int lWidth = 0, lHeight = 0, lExpectedWidth = 0, lExpectedHeight = 0;
  std::vector<unsigned char> lRendered, lExpected;
  if (!sLoad(iRenderedPng, lWidth, lHeight, lRendered)) {
    lDiff.message = "cannot read the rendered image " + iRenderedPng;
    return lDiff;
  }
  if (!sLoad(iExpectedPng, lExpectedWidth, lExpectedHeight, lExpected)) {
    lDiff.message = "cannot read the expected image " + iExpectedPng;
    return lDiff;
  }
  if (lWidth != lExpectedWidth || lHeight != lExpectedHeight) {
    lDiff.message = "size " + std::to_string(lWidth) + "x" + std::to_string(lHeight) + " differs from the expected " +
                    std::to_string(lExpectedWidth) + "x" + std::to_string(lExpectedHeight);
    return lDiff;
  }
  double lSum = 0.0;
  for (size_t i = 0; i < lRendered.size(); i += 4) {
    int lMax = 0;
    for (int k = 0; k < 4; ++k) {
      const int lDelta = int(lRendered[i + k]) - int(lExpected[i + k]);
      lSum += double(lDelta) * lDelta;
      lMax = std::max(lMax, std::abs(lDelta));
    }
    if (lMax > iChannelThreshold) ++lDiff.changed;
  }
  lDiff.rms = lRendered.empty() ? 0.0 : std::sqrt(lSum / double(lRendered.size()));
  lDiff.ok = lDiff.rms <= iMaxRms && lDiff.changed <= iMaxChanged;
  lDiff.message = "rms " + std::to_string(lDiff.rms) + " (max " + std::to_string(iMaxRms) + "), " +
                  std::to_string(lDiff.changed) + " changed pixels (max " + std::to_string(iMaxChanged) + ")";
  if (!lDiff.ok && !iDiffPng.empty()) {
    sWriteDiff(iDiffPng, lWidth, lHeight, lRendered, lExpected, iChannelThreshold);
    lDiff.message += "; diff image " + iDiffPng;
  }
  return lDiff;
}

ImageDiff CompareWithGolden(const std::string& iRenderedPng, const std::string& iGoldenName, double iMaxRms,
                            long iMaxChanged, int iChannelThreshold) {
  const std::filesystem::path lGolden = std::filesystem::path(FDD_GOLDEN_DIR) / iGoldenName;
  const char* lUpdate = std::getenv("FDD_UPDATE_GOLDEN");
  ImageDiff lDiff;
  if (lUpdate && std::string(lUpdate) == "1") {
    lDiff.ok = sCopy(iRenderedPng, lGolden.string());
    lDiff.message = (lDiff.ok ? "golden image updated: " : "cannot update the golden image ") + lGolden.string();
    return lDiff;
  }
  const std::string lStem = std::filesystem::path(iGoldenName).stem().string();
  const std::string lRenderedCopy = TestOutputPath(lStem + ".rendered.png");
  std::error_code lError;
  if (!std::filesystem::exists(lGolden, lError)) {
    sCopy(iRenderedPng, lRenderedCopy);
    lDiff.message = "no golden image " + lGolden.string() + " (rendered image kept as " + lRenderedCopy +
                    "; FDD_UPDATE_GOLDEN=1 makes it the golden)";
    return lDiff;
  }
  lDiff = CompareImages(iRenderedPng, lGolden.string(), iMaxRms, iMaxChanged, iChannelThreshold,
                        TestOutputPath(lStem + ".diff.png"));
  if (!lDiff.ok && sCopy(iRenderedPng, lRenderedCopy)) lDiff.message += "; rendered image " + lRenderedCopy;
  return lDiff;
}

bool PngPixels::Load(const std::string& iPng) { return sLoad(iPng, width, height, rgba); }

bool PngPixels::Pixel(int iX, int iRowFromTop, unsigned char oRGBA[4]) const {
  if (!oRGBA || iX < 0 || iRowFromTop < 0 || iX >= width || iRowFromTop >= height) return false;
  for (int k = 0; k < 4; ++k) oRGBA[k] = rgba[(static_cast<size_t>(iRowFromTop) * width + iX) * 4 + k];
  return true;
}

bool ReadPngPixel(const std::string& iPng, int iX, int iRowFromTop, unsigned char oRGBA[4]) {
  PngPixels lPixels;
  return lPixels.Load(iPng) && lPixels.Pixel(iX, iRowFromTop, oRGBA);
}
