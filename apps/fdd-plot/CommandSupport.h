// What the subcommands of fdd-plot share: parsing of sizes and value pairs, loading of data files
// into data vectors, the text font, writing a figure, and the program's messages.
#ifndef CommandSupport_H
#define CommandSupport_H

#include <string>

#include "RefPtr.h"

class ArrayVector;
class CATFont;
class Figure;
class NumericArray;

class CommandSupport {
 public:
  static constexpr int kMinSide = 16;
  static constexpr int kMaxSide = 8192;

  // "WxH" (also "W,H"), each side kMinSide .. kMaxSide; false with oError.
  static bool ParseSize(const std::string& iText, int& oWidth, int& oHeight, std::string& oError);
  // "A,B", two finite decimal numbers; false with oError.
  static bool ParsePair(const std::string& iText, double& oFirst, double& oSecond, std::string& oError);
  // The limits of option iOption ("--x-limits"): nothing when iText is empty, else a pair with
  // oLow < oHigh; false with oError naming the option.
  static bool ParseLimits(const std::string& iOption, const std::string& iText, double& oLow, double& oHigh,
                          std::string& oError);

  // A 1-D data file (see DataFile::LoadVector) as a data vector; empty after printing the file's
  // message. oName, when given, receives the name a legend shows for it: its column's header
  // name (its number in a file without header), else the file's name without folder and extension.
  static RefPtr<ArrayVector> LoadVector(const std::string& iSpec, std::string* oName = nullptr);
  // A matrix; empty after printing the file's message.
  static RefPtr<NumericArray> LoadMatrix(const std::string& iPath);

  // The default text font; empty after printing what is missing.
  static RefPtr<CATFont> LoadFont();
  // Writes the figure to iPath, after its warnings; false after printing why not.
  static bool Write(Figure& ioFigure, const std::string& iPath, CATFont& iFont);
  // The program that messages name ("fdd-plot" until set): fdd-view shares these commands.
  static void SetProgram(const char* iName);
  static const char* GetProgram();
  // iMain(argc, argv); an exception that reaches it ends it as one line ("<program>: out of
  // memory") and the failure status 1, since nothing may end the program by unwinding.
  static int RunGuarded(int (*iMain)(int, char**), int argc, char** argv);

  // "<program>: warning: <message>" on standard error: the picture is made, but not all of it.
  static void Warn(const std::string& iMessage);
  // The warnings of a built figure, one line each.
  static void PrintWarnings(const Figure& iFigure);

  // "<program>: <message>" on standard error; returns the failure status 1.
  static int Fail(const std::string& iMessage);
  // The same for a command line that cannot be carried out as written; returns the usage status 2.
  static int Usage(const std::string& iMessage);
};

#endif
