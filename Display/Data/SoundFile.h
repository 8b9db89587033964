// Reader of sound files through libsndfile (WAV, FLAC, AIFF, Ogg and what else the library
// reads): one vector per channel, numbered from 1 as sound programs number them, integer samples
// scaled as the library scales them (to +-1.0), the time in seconds from the sample rate as X.
// Decoded block by block into the kept doubles of the chosen channel (8 bytes a sample). The
// library's failures become one line naming the file. Owns nothing; static functions only.
#ifndef SoundFile_H
#define SoundFile_H

#include <string>
#include <vector>

#include "DataAxis.h"
#include "DataEntry.h"

class NumericArray;

class SoundFile {
 public:
  // True when libsndfile reads iPath.
  static bool Is(const std::string& iPath);
  // The channels of the file ("1", "2", ...). False with oError "<iPath>: ...".
  static bool List(const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError);
  // Channel iName ("1" for the first), with one reference; oAxis receives the sample rate. Null
  // with oError.
  static NumericArray* Load(const std::string& iPath, const std::string& iName, DataAxis& oAxis, std::string& oError);
};

#endif
