#include "MatLayout.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

const uint32_t kMatrix = 14, kCompressed = 15;
// Of a compressed element, the inflated bytes checked: enough for the headers of its variable
// and of the fields of a struct.
const size_t kInflatedChecked = 1 << 16;

uint32_t Read32(const unsigned char* iAt, bool iSwapped) {
  uint32_t lValue;
  std::memcpy(&lValue, iAt, 4);
  return iSwapped ? __builtin_bswap32(lValue) : lValue;
}

// The data elements of a version 5 file from iAt to iEnd. iComplete is false for the checked start
// of an inflated element, whose last element may go on beyond it.
class Elements {
 public:
  Elements(bool iSwapped, std::string& oWhat) : _Swapped(iSwapped), _What(oWhat) {}

  // iVariable: the sequence is the content of a variable (a matrix element), of iClaimed bytes.
  bool Sequence(const unsigned char* iAt, const unsigned char* iEnd, bool iComplete, int iDepth, bool iVariable,
                uint64_t iClaimed) {
    if (iDepth > 32) return Fail("variables nested too deep");
    std::vector<Child> lChildren;
    const unsigned char* const lStart = iAt;
    while (iEnd - iAt >= 8) {
      const uint32_t lType = Read32(iAt, _Swapped);
      // The small format: length in the upper half, at most 4 bytes of data in the tag itself.
      if (lType >> 16) {
        if (iVariable && lChildren.empty()) return Fail("a variable's header is damaged (its flags are packed)");
        if ((lType >> 16) > 4) return Fail("a small data element claims " + std::to_string(lType >> 16) + " bytes");
        lChildren.push_back({iAt + 4, lType >> 16, lType >> 16});
        iAt += 8;
        continue;
      }
      const uint64_t lLength = Read32(iAt + 4, _Swapped);
      // matio reads a variable's header at fixed places: its flags are 8 bytes of miUINT32.
      if (iVariable && lChildren.empty() && (lType != 6 || lLength != 8))
        return Fail("a variable's header is damaged (its flags are not 8 bytes of miUINT32)");
      // An element must fit in what holds it, whether that is all there (a file, a variable) or
      // the checked start of an inflated one, whose claimed length is known all the same.
      const uint64_t lLeft = static_cast<uint64_t>(iEnd - iAt - 8);
      const uint64_t lOffset = static_cast<uint64_t>(iAt - lStart) + 8;
      const uint64_t lRoom = iComplete ? lLeft : iClaimed > lOffset ? iClaimed - lOffset : 0;
      if (lLength > lRoom)
        return Fail("an element claims " + std::to_string(lLength) + " bytes, " + std::to_string(lRoom) + " follow");
      const unsigned char* lData = iAt + 8;
      const unsigned char* lNext = lData + (lLength > lLeft ? lLeft : lLength);
      if (lType == kMatrix && !Sequence(lData, lNext, iComplete && lLength <= lLeft, iDepth + 1, true, lLength))
        return false;
      if (lType == kCompressed && iDepth == 0 && !Compressed(lData, static_cast<size_t>(lLength))) return false;
      lChildren.push_back({lData, lLength, lLength > lLeft ? lLeft : lLength});
      // Elements start on 8-byte boundaries, except after a compressed one.
      const uint64_t lPadded = lType == kCompressed ? lLength : (lLength + 7) / 8 * 8;
      if (lPadded >= lLeft) break;
      iAt = lData + lPadded;
    }
    return !iVariable || Values(lChildren, iComplete, iClaimed);
  }

 private:
  // A child element of a variable: where its data lies, the bytes its tag claims and the bytes of
  // it that are there to read.
  struct Child {
    const unsigned char* data;
    uint64_t claimed;
    uint64_t available;
  };

  // A numeric variable's values (its fourth element) must hold a byte at least for each value
  // its dimensions (the second) count; a cell or struct array holds an element of 8 bytes at least
  // for each of its cells or structs within the iClaimed bytes of the variable.
  bool Values(const std::vector<Child>& iChildren, bool iComplete, uint64_t iClaimed) {
    if (iChildren.size() < 2 || iChildren[0].available < 4) return true;
    const uint32_t lClass = Read32(iChildren[0].data, _Swapped) & 0xff;
    const bool lContainer = lClass >= 1 && lClass <= 3;
    if (!lContainer && (lClass < 6 || lClass > 15)) return true;  // no values counted
    const uint64_t kCap = uint64_t(1) << 40;
    uint64_t lCount = 1;
    for (uint64_t d = 0; d + 4 <= iChildren[1].available && d < 64 * 4 && lCount > 0; d += 4) {
      const uint64_t lDimension = Read32(iChildren[1].data + d, _Swapped);
      lCount = lDimension == 0 ? 0 : lCount > kCap / lDimension ? kCap : lCount * lDimension;
    }
    if (lContainer)
      return lCount <= iClaimed / 8 ? true
                                    : Fail("a cell or struct array's dimensions count " + std::to_string(lCount) +
                                           " elements, " + std::to_string(iClaimed) + " bytes hold them");
    if (iChildren.size() < 4) return !iComplete || lCount == 0 ? true : Fail("a numeric variable has no values");
    if (lCount > iChildren[3].claimed)
      return Fail("a variable's dimensions count " + std::to_string(lCount) + " values, " +
                  std::to_string(iChildren[3].claimed) + " bytes hold them");
    return true;
  }

  bool Compressed(const unsigned char* iData, size_t iLength) {
    std::vector<unsigned char> lStart(kInflatedChecked);
    z_stream lStream{};
    if (inflateInit(&lStream) != Z_OK) return Fail("cannot inflate a compressed variable");
    lStream.next_in = const_cast<unsigned char*>(iData);
    lStream.avail_in = static_cast<uInt>(iLength);
    lStream.next_out = lStart.data();
    lStream.avail_out = static_cast<uInt>(lStart.size());
    const int lStatus = inflate(&lStream, Z_SYNC_FLUSH);
    const size_t lInflated = lStart.size() - lStream.avail_out;
    inflateEnd(&lStream);
    if (lStatus != Z_OK && lStatus != Z_STREAM_END && lStatus != Z_BUF_ERROR)
      return Fail("a compressed variable cannot be inflated (damaged data)");
    // Of an element only partly inflated, the length is not known: UINT64_MAX stands for it.
    return Sequence(lStart.data(), lStart.data() + lInflated, lStatus == Z_STREAM_END, 1, false,
                    lStatus == Z_STREAM_END ? lInflated : UINT64_MAX);
  }

  bool Fail(const std::string& iWhat) {
    _What = iWhat;
    return false;
  }

  bool _Swapped;
  std::string& _What;
};

// Version 4: records of a 20-byte header, a name and the values, one after another.
bool CheckVersion4(const unsigned char* iBytes, size_t iSize, std::string& oWhat) {
  static const uint64_t kSizes[] = {8, 4, 4, 2, 2, 1};
  for (size_t lAt = 0; lAt < iSize;) {
    if (iSize - lAt < 4) return oWhat = "truncated: a variable's header is cut off", false;
    uint32_t lType = Read32(iBytes + lAt, false);
    const bool lSwapped = lType > 0xffff;
    if (lSwapped) lType = Read32(iBytes + lAt, true);
    if (lType >= 5000 || lType / 10 % 10 > 5 || lType / 100 % 10 != 0)
      return oWhat = "not a MATLAB file (no version 5 header, and no valid version 4 variable)", false;
    if (iSize - lAt < 20) return oWhat = "truncated: a variable's header is cut off", false;
    const uint64_t lRows = Read32(iBytes + lAt + 4, lSwapped), lColumns = Read32(iBytes + lAt + 8, lSwapped);
    const uint64_t lImaginary = Read32(iBytes + lAt + 12, lSwapped), lName = Read32(iBytes + lAt + 16, lSwapped);
    const uint32_t lPrecision = lType / 10 % 10;
    const uint64_t lLeft = iSize - lAt - 20;
    const uint64_t lValues = lRows * lColumns * kSizes[lPrecision] * (lImaginary ? 2 : 1);
    if (lName > lLeft || lValues > lLeft - lName)
      return oWhat = "truncated: a variable claims " + std::to_string(lName + lValues) + " bytes, " +
                     std::to_string(lLeft) + " follow",
             false;
    lAt += 20 + lName + lValues;
  }
  return true;
}

}  // namespace

bool MatLayout::Check(const unsigned char* iBytes, size_t iSize, std::string& oWhat) {
  if (iSize == 0) return oWhat = "empty file", false;
  if (iSize < 128 || std::memcmp(iBytes, "MATLAB 5.0", 10) != 0) return CheckVersion4(iBytes, iSize, oWhat);
  const bool lSwapped = iBytes[126] == 'M' && iBytes[127] == 'I';
  Elements lElements(lSwapped, oWhat);
  return lElements.Sequence(iBytes + 128, iBytes + iSize, true, 0, false, iSize - 128);
}
