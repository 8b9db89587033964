// What every class of the module shares: registration with the host's meta-object service under
// the framework "QVTFunctionDisplayD", the assertion message helper, and the module-wide support
// of the measuring renders.
#ifndef QVTFddModuleFrame_H
#define QVTFddModuleFrame_H

#include "CATMetaClass.h"

class CATSupport;

// Registers Class with the host as kind 1 under the registered base meta-class BaseMeta.
#define QVTFDD_META_IMPLEMENT(Class, BaseMeta) HOST_META_IMPLEMENT(Class, BaseMeta, "QVTFunctionDisplayD")

// Writes one assertion record to the module log: source path
// "QVTFunctionDisplayD\QVTFddRep.m\src\<iSourceName>", line iLine, message type 0, text iText.
void QVTFddAssertionMessage(const char* iSourceName, int iLine, const char* iText);

// The violated condition iText, recorded with the line of the check.
#define QVTFDD_ASSERTION(iSourceName, iText) QVTFddAssertionMessage(iSourceName, __LINE__, iText)

// Support shared by every measuring render; null until the first one is made, deleted at unload.
CATSupport*& QVTFddSizeRenderSupport();

#endif
