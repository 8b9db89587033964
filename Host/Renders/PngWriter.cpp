#include "PngWriter.h"

#include <libdeflate.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "WholeFile.h"

namespace {

// One row to RGB bytes, four written per pixel (one past the row); the AND of the pixels, whose
// alpha is 0xff only when every pixel is opaque.
uint32_t ConvertOpaqueRow(const unsigned char* iRow, int iWidth, unsigned char* oRow) {
  uint32_t lAll = 0xffffffffu;
  for (int x = 0; x < iWidth; ++x) {
    uint32_t p;
    std::memcpy(&p, iRow + 4 * static_cast<size_t>(x), 4);
    lAll &= p;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const uint32_t lRgb = __builtin_bswap32(p) >> 8;  // R, G, B, 0 in memory
#else
    const uint32_t lRgb = p << 8;
#endif
    std::memcpy(oRow + 3 * static_cast<size_t>(x), &lRgb, 4);
  }
  return lAll;
}

// Appends a chunk: length, type, data and the CRC of type and data.
void AppendChunk(std::vector<unsigned char>& ioPng, const char* iType, const unsigned char* iData, size_t iSize) {
  const unsigned char lLength[4] = {static_cast<unsigned char>(iSize >> 24), static_cast<unsigned char>(iSize >> 16),
                                    static_cast<unsigned char>(iSize >> 8), static_cast<unsigned char>(iSize)};
  ioPng.insert(ioPng.end(), lLength, lLength + 4);
  const size_t lTypeAt = ioPng.size();
  ioPng.insert(ioPng.end(), iType, iType + 4);
  if (iSize) ioPng.insert(ioPng.end(), iData, iData + iSize);
  const uint32_t lCrc = libdeflate_crc32(0, ioPng.data() + lTypeAt, 4 + iSize);
  const unsigned char lCrcBytes[4] = {static_cast<unsigned char>(lCrc >> 24), static_cast<unsigned char>(lCrc >> 16),
                                      static_cast<unsigned char>(lCrc >> 8), static_cast<unsigned char>(lCrc)};
  ioPng.insert(ioPng.end(), lCrcBytes, lCrcBytes + 4);
}

// The whole PNG file in memory: the rows, each after its filter byte (none), compressed as one
// zlib stream in one go, which libdeflate does about twice as fast as zlib's streaming at the same
// size. False when memory runs out or the image is too large for one chunk.
bool EncodePng(const unsigned char* iData, int iWidth, int iHeight, int iStride, int iLevel,
               std::vector<unsigned char>& oPng) {
  const auto lSource = [&](int y) { return iData + static_cast<size_t>(y) * static_cast<size_t>(iStride); };
  // Plots are opaque: the rows are converted to RGB at once, and again to RGBA when a pixel was not.
  bool lOpaque = true;
  size_t lRowBytes = 3 * static_cast<size_t>(iWidth) + 1;
  size_t lRawBytes = lRowBytes * static_cast<size_t>(iHeight);
  // Left uninitialised: every raw byte is written, and of the room for the compressed stream only
  // the part it takes is ever touched (a plot packs to a few percent of its pixels).
  std::unique_ptr<unsigned char[]> lRaw(new (std::nothrow) unsigned char[lRawBytes + 1]);
  if (!lRaw) return false;
  uint32_t lAll = 0xffffffffu;
  for (int y = 0; y < iHeight; ++y) {
    unsigned char* lRow = lRaw.get() + static_cast<size_t>(y) * lRowBytes;
    lRow[0] = 0;
    lAll &= ConvertOpaqueRow(lSource(y), iWidth, lRow + 1);
  }
  if ((lAll >> 24) != 0xff) {
    lOpaque = false;
    lRowBytes = 4 * static_cast<size_t>(iWidth) + 1;
    lRawBytes = lRowBytes * static_cast<size_t>(iHeight);
    lRaw.reset(new (std::nothrow) unsigned char[lRawBytes]);
    if (!lRaw) return false;
    for (int y = 0; y < iHeight; ++y) {
      unsigned char* lRow = lRaw.get() + static_cast<size_t>(y) * lRowBytes;
      lRow[0] = 0;
      PngWriter::ConvertRow(lSource(y), iWidth, lRow + 1);
    }
  }
  libdeflate_compressor* lCompressor = libdeflate_alloc_compressor(iLevel);
  if (!lCompressor) return false;
  const size_t lBound = libdeflate_zlib_compress_bound(lCompressor, lRawBytes);
  std::unique_ptr<unsigned char[]> lPacked(new (std::nothrow) unsigned char[lBound]);
  const size_t lPackedBytes =
      lPacked ? libdeflate_zlib_compress(lCompressor, lRaw.get(), lRawBytes, lPacked.get(), lBound) : 0;
  libdeflate_free_compressor(lCompressor);
  // A chunk holds at most 2^31 - 1 bytes.
  if (lPackedBytes == 0 || lPackedBytes > 0x7fffffffu) return false;
  lRaw.reset();
  const unsigned char lHeader[13] = {static_cast<unsigned char>(iWidth >> 24), static_cast<unsigned char>(iWidth >> 16),
                                     static_cast<unsigned char>(iWidth >> 8), static_cast<unsigned char>(iWidth),
                                     static_cast<unsigned char>(iHeight >> 24), static_cast<unsigned char>(iHeight >> 16),
                                     static_cast<unsigned char>(iHeight >> 8), static_cast<unsigned char>(iHeight),
                                     8, static_cast<unsigned char>(lOpaque ? 2 : 6), 0, 0, 0};
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  try {
    oPng.reserve(lPackedBytes + 64);
    oPng.assign(kSignature, kSignature + 8);
    AppendChunk(oPng, "IHDR", lHeader, sizeof(lHeader));
    AppendChunk(oPng, "IDAT", lPacked.get(), lPackedBytes);
    AppendChunk(oPng, "IEND", nullptr, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace

void PngWriter::ConvertRow(const unsigned char* iRow, int iWidth, unsigned char* oRow) {
  for (int x = 0; x < iWidth; ++x) {
    uint32_t p;
    std::memcpy(&p, iRow + 4 * static_cast<size_t>(x), 4);
    const unsigned a = p >> 24, r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
    unsigned char* o = oRow + 4 * static_cast<size_t>(x);
    if (a == 255) {
      // Opaque, the common case: the division below would give the channels back unchanged.
      o[0] = static_cast<unsigned char>(r);
      o[1] = static_cast<unsigned char>(g);
      o[2] = static_cast<unsigned char>(b);
      o[3] = 255;
    } else if (a == 0) {
      o[0] = o[1] = o[2] = o[3] = 0;
    } else {
      o[0] = static_cast<unsigned char>((r * 255 + a / 2) / a);
      o[1] = static_cast<unsigned char>((g * 255 + a / 2) / a);
      o[2] = static_cast<unsigned char>((b * 255 + a / 2) / a);
      o[3] = static_cast<unsigned char>(a);
    }
  }
}

bool PngWriter::Encode(const unsigned char* iData, int iWidth, int iHeight, int iStride,
                       std::vector<unsigned char>& oPng, int iLevel) {
  if (!iData || iWidth <= 0 || iHeight <= 0 || iStride < 4 * iWidth) return false;
  return EncodePng(iData, iWidth, iHeight, iStride, iLevel < 0 ? 0 : (iLevel > 9 ? 9 : iLevel), oPng);
}

bool PngWriter::Write(const std::string& iPath, const unsigned char* iData, int iWidth, int iHeight, int iStride,
                      int iLevel, std::string* oError) {
  if (oError) oError->clear();
  if (!iData || iWidth <= 0 || iHeight <= 0 || iStride < 4 * iWidth || iPath.empty()) return false;
  std::vector<unsigned char> lPng;
  if (!Encode(iData, iWidth, iHeight, iStride, lPng, iLevel)) {
    if (oError) *oError = std::strerror(ENOMEM);
    return false;
  }
  WholeFile lFile(iPath);
  const bool lOk = lFile.IsGood() && lFile.Write(lPng.data(), lPng.size()) && lFile.Commit();
  if (!lOk && oError) *oError = lFile.GetError().empty() ? "the PNG file could not be written" : lFile.GetError();
  return lOk;
}
