// What the subcommands of fdd-plot share: the text font, writing a figure, and the program's
// messages.
#ifndef CommandSupport_H
#define CommandSupport_H

#include <string>

#include "RefPtr.h"

class CATFont;
class Figure;
struct RequestError;

class CommandSupport {
 public:
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
  // The message of a request's error, when there is one; returns iStatus.
  static int Failed(const RequestError& iError, int iStatus);
  // The same for a command line that cannot be carried out as written; returns the usage status 2.
  static int Usage(const std::string& iMessage);
};

#endif
