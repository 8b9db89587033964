// Gives back a test's references at its end, each expected to be the last one: whatever the code
// under test took, it gave back.
#ifndef QVTFddTestRelease_H
#define QVTFddTestRelease_H

#include <gtest/gtest.h>

#include <initializer_list>

#include "CATBaseUnknown.h"

inline void ExpectLastAndRelease(std::initializer_list<CATBaseUnknown*> iObjects) {
  for (CATBaseUnknown* lObject : iObjects) {
    EXPECT_EQ(lObject->GetRefCount(), 1u);
    lObject->Release();
  }
}

#endif
