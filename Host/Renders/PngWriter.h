// Writes an image of 32-bit premultiplied ARGB pixels (cairo's image format, native byte order)
// as a PNG file, tuned for plots: opaque images are written as RGB, and compression favours speed
// (a dense colour map at zlib's usual level 6 with filter search spends more time in the compressor
// than in computing the map; level 2 without filters takes a third of that, for a similar size).
#ifndef PngWriter_H
#define PngWriter_H

#include <string>

class PngWriter {
 public:
  static constexpr int kDefaultLevel = 2;

  // iData holds iHeight rows of iStride bytes, top row first. The file is written whole or not at
  // all. False when it cannot be written, with the system's reason in oError when given (empty
  // when the arguments describe no image).
  static bool Write(const std::string& iPath, const unsigned char* iData, int iWidth, int iHeight, int iStride,
                    int iLevel = kDefaultLevel, std::string* oError = nullptr);
};

#endif
