// Writes an image of 32-bit premultiplied ARGB pixels (cairo's image format, native byte order)
// as a PNG file, tuned for plots: opaque images are written as RGB, rows are left unfiltered (plots
// are flat areas and sharp edges, which filters do not help), and the rows are compressed in one
// go by libdeflate at a low level (level 1 there is faster and smaller than zlib's level 2, which
// a dense colour map otherwise spends more time on than on computing the map). The encoded file
// is held in memory until it is written: about the size of the image's RGB bytes, twice that
// while compressing.
#ifndef PngWriter_H
#define PngWriter_H

#include <string>
#include <vector>

class PngWriter {
 public:
  static constexpr int kDefaultLevel = 1;

  // iData holds iHeight rows of iStride bytes, top row first. The file is written whole or not at
  // all. False when it cannot be written, with the system's reason in oError when given (empty
  // when the arguments describe no image).
  static bool Write(const std::string& iPath, const unsigned char* iData, int iWidth, int iHeight, int iStride,
                    int iLevel = kDefaultLevel, std::string* oError = nullptr);

  // The same image as the bytes of a PNG file, in oPng; false when memory runs out.
  static bool Encode(const unsigned char* iData, int iWidth, int iHeight, int iStride, std::vector<unsigned char>& oPng,
                     int iLevel = kDefaultLevel);

  // One row of iWidth such pixels to RGBA bytes with straight alpha, as the file holds them.
  static void ConvertRow(const unsigned char* iRow, int iWidth, unsigned char* oRow);
};

#endif
