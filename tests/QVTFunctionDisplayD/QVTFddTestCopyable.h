// Opens the protected copy operations of a class to its tests.
#ifndef QVTFddTestCopyable_H
#define QVTFddTestCopyable_H

template <class TBase>
class QVTFddTestCopyable : public TBase {
 public:
  using TBase::TBase;
  QVTFddTestCopyable(QVTFddTestCopyable& iOther) : TBase(iOther) {}
  QVTFddTestCopyable& operator=(QVTFddTestCopyable& iOther) {
    TBase::operator=(iOther);
    return *this;
  }
};

#endif
