// The module QVTFddRep of the framework QVTFunctionDisplayD: its one log, which receives every
// assertion message of the module's classes (created when the module is loaded with the names
// "Fdp" and "QVTFddRep", destroyed when it is unloaded).
#ifndef QVTFddModule_H
#define QVTFddModule_H

#include "QVTSydLocalLog.h"

QVTSydLocalLog& QVTFddModuleLog();

#endif
