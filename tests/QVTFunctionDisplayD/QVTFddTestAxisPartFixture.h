// What the tests of the axis parts share: a fixed-metric font and the primitive list the parts add
// to, both freed after each test; an occupied region with nothing in it; value texts as a list.
#ifndef QVTFddTestAxisPartFixture_H
#define QVTFddTestAxisPartFixture_H

#include <gtest/gtest.h>

#include <vector>

#include "CATFont.h"
#include "CATListValCATUnicodeString.h"
#include "QVTFddGPList.h"
#include "QVTFddMathRegion.h"

inline QVTFddMathRegion Empty() { return QVTFddMathRegion(0.00001, nullptr); }

inline CATListValCATUnicodeString Values(const std::vector<const char*>& iTexts) {
  CATListValCATUnicodeString lList;
  for (const char* lText : iTexts) lList.Append(lText);
  return lList;
}

class QVTFddTestAxisPartFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    _Font = CATFont::CreateFixedMetric();
    ASSERT_NE(_Font, nullptr);
  }
  void TearDown() override {
    delete _List;
    _List = nullptr;
    if (_Font) _Font->Release();
  }

  CATFont* _Font = nullptr;
  QVTFddGPList* _List = nullptr;
};

#endif
