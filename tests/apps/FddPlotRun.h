// Running fdd-plot in end-to-end tests: the program with its output and status, data files
// written into the test output folder, and pictures read back.
#ifndef FddPlotRun_H
#define FddPlotRun_H

#include <string>
#include <vector>

#include "ImageCompare.h"

// Built with the address or the thread sanitizer (the program too): they reserve more address
// space than a memory limit of a test allows.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define FDD_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define FDD_SANITIZED 1
#endif

// The program under test.
extern const std::string kProgram;

struct Result {
  int status = -1;
  std::string output;  // standard output and error
};

// fdd-plot with iArguments (a shell command line), standard error folded into the output.
Result RunFddPlot(const std::string& iArguments);
// The folder of the end-to-end files, with a trailing slash.
std::string Dir();
// A .npy file of float64 values of the given shape (one or two dimensions); returns its path.
std::string Npy(const std::string& iName, const std::vector<double>& iValues, std::vector<size_t> iShape = {});
// A text file; returns its path.
std::string Text(const std::string& iName, const std::string& iContent);
// n values from a to b, evenly spaced.
std::vector<double> Range(int n, double a, double b);
// Size of a PNG from its header.
bool PngSize(const std::string& iPath, int& oWidth, int& oHeight);

// The data box of a picture: the extent of the plot ground (250, 250, 250) along a row and a column.
struct Box {
  int left = -1, right = -1, top = -1, bottom = -1;  // PNG pixels, rows from the top
};
bool IsGround(const PngPixels& iPng, int x, int y);
Box GroundBox(const PngPixels& iPng, int iRow, int iColumn);
bool IsBlue(const unsigned char p[4]);

#endif
