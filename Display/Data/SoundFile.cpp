#include "SoundFile.h"

#include <sndfile.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <vector>

#include "ColumnIndex.h"
#include "MessageText.h"
#include "NumericArray.h"

namespace {

// An open sound file, closed when the holder goes.
class OpenSound {
 public:
  explicit OpenSound(const std::string& iPath) { _File = sf_open(iPath.c_str(), SFM_READ, &_Info); }
  ~OpenSound() {
    if (_File) sf_close(_File);
  }
  OpenSound(const OpenSound&) = delete;
  OpenSound& operator=(const OpenSound&) = delete;
  SNDFILE* Get() const { return _File; }
  const SF_INFO& Info() const { return _Info; }

 private:
  SF_INFO _Info{};
  SNDFILE* _File = nullptr;
};

// The open file, or false with oError naming iPath and the library's reason.
bool Check(const OpenSound& iSound, const std::string& iPath, std::string& oError) {
  if (!iSound.Get()) {
    oError = iPath + ": cannot be read as a sound file (" + MessageText::Excerpt(sf_strerror(nullptr), 120, true) + ")";
    return false;
  }
  const SF_INFO& lInfo = iSound.Info();
  if (lInfo.channels <= 0 || lInfo.samplerate <= 0 || lInfo.frames < 0) {
    oError = iPath + ": damaged sound file header (channels, sample rate or length out of range)";
    return false;
  }
  // The library reads what a cut file still holds and notes in its log which chunk claims more
  // ("data : 960 (should be 458)"): a plot of part of a recording would pass for the whole. The
  // outer chunk's length is left out: streaming writers leave it unset.
  char lLog[8192] = {};
  sf_command(iSound.Get(), SFC_GET_LOG_INFO, lLog, sizeof(lLog) - 1);
  const std::string lText(lLog);
  for (size_t lStart = 0; lStart < lText.size();) {
    const size_t lEnd = std::min(lText.find('\n', lStart), lText.size());
    const std::string lLine = lText.substr(lStart, lEnd - lStart);
    lStart = lEnd + 1;
    if (lLine.find("(should be") == std::string::npos || lLine.rfind("RIFF", 0) == 0 || lLine.rfind("FORM", 0) == 0 ||
        lLine.rfind("RF64", 0) == 0)
      continue;
    oError = iPath + ": truncated: the header claims more data than the file holds (" +
             MessageText::Excerpt(lLine, 80, true) + " bytes)";
    return false;
  }
  if (lInfo.frames == 0) {
    oError = iPath + ": empty: no samples";
    return false;
  }
  if (static_cast<unsigned long long>(lInfo.frames) > UINT_MAX) {
    oError = iPath + ": too large: " + std::to_string(lInfo.frames) + " samples a channel";
    return false;
  }
  return true;
}

std::string SampleType(int iFormat) {
  switch (iFormat & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8: return "int8 PCM";
    case SF_FORMAT_PCM_U8: return "uint8 PCM";
    case SF_FORMAT_PCM_16: return "int16 PCM";
    case SF_FORMAT_PCM_24: return "int24 PCM";
    case SF_FORMAT_PCM_32: return "int32 PCM";
    case SF_FORMAT_FLOAT: return "float32";
    case SF_FORMAT_DOUBLE: return "float64";
    default: break;
  }
  SF_FORMAT_INFO lInfo{};
  lInfo.format = iFormat & SF_FORMAT_SUBMASK;
  if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &lInfo, sizeof(lInfo)) == 0 && lInfo.name) return lInfo.name;
  return "encoded";
}

}  // namespace

bool SoundFile::Is(const std::string& iPath) {
  OpenSound lSound(iPath);
  return lSound.Get() != nullptr;
}

bool SoundFile::List(const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError) {
  OpenSound lSound(iPath);
  if (!Check(lSound, iPath, oError)) return false;
  const SF_INFO& lInfo = lSound.Info();
  char lNotes[128];
  std::snprintf(lNotes, sizeof(lNotes), "sample rate %d Hz, %.6g s", lInfo.samplerate,
                static_cast<double>(lInfo.frames) / lInfo.samplerate);
  for (int c = 1; c <= lInfo.channels && c <= 4096; ++c) {
    DataEntry lEntry;
    lEntry.Name = std::to_string(c);
    lEntry.Shape = {static_cast<unsigned long long>(lInfo.frames)};
    lEntry.Type = SampleType(lInfo.format);
    lEntry.Notes = lNotes;
    oEntries.push_back(lEntry);
  }
  return true;
}

NumericArray* SoundFile::Load(const std::string& iPath, const std::string& iName, DataAxis& oAxis, std::string& oError) {
  OpenSound lSound(iPath);
  if (!Check(lSound, iPath, oError)) return nullptr;
  const SF_INFO& lInfo = lSound.Info();
  unsigned long long lChannel = 0;
  if (!ColumnIndex::Parse(iName, lChannel) || lChannel < 1 || lChannel > static_cast<unsigned long long>(lInfo.channels)) {
    oError = iPath + ": no channel " + iName + ": the channels are numbered 1 to " + std::to_string(lInfo.channels);
    return nullptr;
  }
  const unsigned int lFrames = static_cast<unsigned int>(lInfo.frames);
  const unsigned int lChannels = static_cast<unsigned int>(lInfo.channels);
  // A compressed file's header may claim far more samples than it holds: the kept values grow as
  // they are decoded, from what the file's size can plausibly hold.
  std::vector<double> lValues;
  struct stat lStat;
  const unsigned long long lBytes = ::stat(iPath.c_str(), &lStat) == 0 ? static_cast<unsigned long long>(lStat.st_size) : 0;
  lValues.reserve(std::min<unsigned long long>(lFrames, 4 * lBytes + 65536));
  // A block of whole frames: every channel is decoded, the chosen one kept.
  const unsigned int lBlockFrames = std::max(1u, 65536u / lChannels);
  std::vector<double> lBlock(static_cast<size_t>(lBlockFrames) * lChannels);
  for (unsigned int lDone = 0; lDone < lFrames;) {
    const sf_count_t lWanted = std::min(lBlockFrames, lFrames - lDone);
    const sf_count_t lRead = sf_readf_double(lSound.Get(), lBlock.data(), lWanted);
    if (lRead <= 0) {
      oError = iPath + ": truncated: the header announces " + std::to_string(lFrames) + " samples a channel, " +
               std::to_string(lDone) + " could be read";
      return nullptr;
    }
    for (sf_count_t f = 0; f < lRead; ++f) lValues.push_back(lBlock[static_cast<size_t>(f) * lChannels + (lChannel - 1)]);
    lDone += static_cast<unsigned int>(lRead);
  }
  oAxis.Rate = lInfo.samplerate;
  oAxis.Name = "time (s)";
  NumericArray* lArray = NumericArray::FromValues(std::move(lValues), lFrames, 1, false);
  if (!lArray) oError = MessageText::OutOfMemory(iPath, static_cast<unsigned long long>(lFrames) * sizeof(double));
  return lArray;
}
