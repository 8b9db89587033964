#include "PngWriter.h"

#include <png.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "WholeFile.h"

namespace {

// libpng's own messages would be a second line beside the program's one: errors end the write
// through the jump buffer, warnings are dropped.
void OnPngError(png_structp iPng, png_const_charp) { png_longjmp(iPng, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp iPng, png_bytep iData, png_size_t iSize) {
  WholeFile* lFile = static_cast<WholeFile*>(png_get_io_ptr(iPng));
  if (!lFile->Write(iData, iSize)) png_error(iPng, "write failed");
}
void OnPngFlush(png_structp) {}

// One row to RGB(A) bytes with straight alpha.
void ConvertRow(const unsigned char* iRow, int iWidth, bool iOpaque, unsigned char* oRow) {
  for (int x = 0; x < iWidth; ++x) {
    uint32_t p;
    std::memcpy(&p, iRow + 4 * static_cast<size_t>(x), 4);
    const unsigned a = p >> 24, r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
    if (iOpaque) {
      oRow[3 * x] = static_cast<unsigned char>(r);
      oRow[3 * x + 1] = static_cast<unsigned char>(g);
      oRow[3 * x + 2] = static_cast<unsigned char>(b);
      continue;
    }
    unsigned char* o = oRow + 4 * static_cast<size_t>(x);
    if (a == 0) {
      o[0] = o[1] = o[2] = o[3] = 0;
    } else {
      o[0] = static_cast<unsigned char>((r * 255 + a / 2) / a);
      o[1] = static_cast<unsigned char>((g * 255 + a / 2) / a);
      o[2] = static_cast<unsigned char>((b * 255 + a / 2) / a);
      o[3] = static_cast<unsigned char>(a);
    }
  }
}

// The libpng part, apart so that no C++ object lives across its longjmp.
bool WritePng(WholeFile& ioFile, const unsigned char* iData, int iWidth, int iHeight, int iStride, int iLevel,
              bool iOpaque, unsigned char* ioRow) {
  png_structp lPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (!lPng) return false;
  png_infop lInfo = png_create_info_struct(lPng);
  if (!lInfo || setjmp(png_jmpbuf(lPng))) {
    png_destroy_write_struct(&lPng, lInfo ? &lInfo : nullptr);
    return false;
  }
  png_set_write_fn(lPng, &ioFile, OnPngWrite, OnPngFlush);
  png_set_compression_level(lPng, iLevel);
  // Plots are large flat areas and sharp edges: unfiltered rows compress as well as filtered ones
  // here, and the filter search would cost more than the compression.
  png_set_filter(lPng, 0, PNG_FILTER_NONE);
  png_set_IHDR(lPng, lInfo, static_cast<png_uint_32>(iWidth), static_cast<png_uint_32>(iHeight), 8,
               iOpaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(lPng, lInfo);
  for (int y = 0; y < iHeight; ++y) {
    ConvertRow(iData + static_cast<size_t>(y) * static_cast<size_t>(iStride), iWidth, iOpaque, ioRow);
    png_write_row(lPng, ioRow);
  }
  png_write_end(lPng, lInfo);
  png_destroy_write_struct(&lPng, &lInfo);
  return true;
}

}  // namespace

bool PngWriter::Write(const std::string& iPath, const unsigned char* iData, int iWidth, int iHeight, int iStride,
                      int iLevel, std::string* oError) {
  if (oError) oError->clear();
  if (!iData || iWidth <= 0 || iHeight <= 0 || iStride < 4 * iWidth || iPath.empty()) return false;
  bool lOpaque = true;
  for (int y = 0; y < iHeight && lOpaque; ++y) {
    const unsigned char* lRow = iData + static_cast<size_t>(y) * static_cast<size_t>(iStride);
    for (int x = 0; x < iWidth; ++x) {
      uint32_t p;
      std::memcpy(&p, lRow + 4 * static_cast<size_t>(x), 4);
      if ((p >> 24) != 0xff) {
        lOpaque = false;
        break;
      }
    }
  }
  unsigned char* lRow = static_cast<unsigned char*>(std::malloc(4 * static_cast<size_t>(iWidth)));
  if (!lRow) {
    if (oError) *oError = std::strerror(ENOMEM);
    return false;
  }
  WholeFile lFile(iPath);
  const bool lOk = lFile.IsGood() &&
                   WritePng(lFile, iData, iWidth, iHeight, iStride, iLevel < 0 ? 0 : (iLevel > 9 ? 9 : iLevel), lOpaque,
                            lRow) &&
                   lFile.Commit();
  std::free(lRow);
  // A failure inside libpng itself (no memory) leaves the file without a system reason.
  if (!lOk && oError) *oError = lFile.GetError().empty() ? "the PNG encoder failed" : lFile.GetError();
  return lOk;
}
