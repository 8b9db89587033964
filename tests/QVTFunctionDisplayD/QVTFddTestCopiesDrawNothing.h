// The copy contract of a primitive over two counting vectors, drawn by iDraw (the calls or values
// it drew, empty when nothing): a copy holds the vectors too and draws nothing from the original's
// cache; assignment leaves each primitive its own data and cache; the original, assigned back from
// its copy, draws iDrawn again once it computes it anew.
#ifndef QVTFddTestCopiesDrawNothing_H
#define QVTFddTestCopiesDrawNothing_H

#include <gtest/gtest.h>

#include "QVTFddTestCountingVectors.h"

template <class TGP, class TDrawn, class TDraw>
void ExpectCopiesDrawNothing(TGP& iGP, const QVTFddTestCountingVectors& iData, const TDrawn& iDrawn, TDraw iDraw) {
  {
    TGP lCopy(iGP);
    EXPECT_EQ(iData._X->GetRefCount(), 3u);
    EXPECT_EQ(iData._Y->GetRefCount(), 3u);
    EXPECT_TRUE(iDraw(lCopy).empty());
    lCopy = iGP;
    EXPECT_TRUE(iDraw(lCopy).empty());
    iGP = lCopy;
    EXPECT_EQ(iDraw(iGP), iDrawn);
  }
  EXPECT_EQ(iData._X->GetRefCount(), 2u);
}

#endif
