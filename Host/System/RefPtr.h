// Holder of one reference on a reference-counted host object: released when the holder goes,
// taken again by a copy. Null is allowed (the host's allocation returns null when memory runs
// out), so a holder is tested before use. Adopting takes over a reference the caller already owns
// (a new object's first one); Hold takes a reference of its own. Raw pointers stay in published
// signatures: Get() hands one out without changing the count.
#ifndef RefPtr_H
#define RefPtr_H

#include <type_traits>
#include <utility>

template <class T>
class RefPtr {
 public:
  RefPtr() = default;
  // Takes over the reference the caller owns, such as the one of `new T(...)`.
  explicit RefPtr(T* iAdopted) : _Object(iAdopted) {}
  // A holder with a reference of its own on iObject (null gives an empty holder).
  static RefPtr Hold(T* iObject) {
    Take(iObject);
    return RefPtr(iObject);
  }
  RefPtr(const RefPtr& iOther) : _Object(iOther._Object) { Take(_Object); }
  RefPtr(RefPtr&& ioOther) noexcept : _Object(ioOther._Object) { ioOther._Object = nullptr; }
  RefPtr& operator=(RefPtr iOther) noexcept {
    std::swap(_Object, iOther._Object);
    return *this;
  }
  ~RefPtr() { Give(_Object); }

  T* Get() const { return _Object; }
  T* operator->() const { return _Object; }
  T& operator*() const { return *_Object; }
  explicit operator bool() const { return _Object != nullptr; }

  // Releases the reference held (if any) and holds nothing.
  void Reset() { RefPtr().Swap(*this); }
  // Gives the reference held to the caller, who releases it; the holder holds nothing.
  T* Detach() {
    T* lObject = _Object;
    _Object = nullptr;
    return lObject;
  }
  void Swap(RefPtr& ioOther) noexcept { std::swap(_Object, ioOther._Object); }
  // For a function that hands out a new reference through a T** parameter: releases what is held
  // and gives the place to fill, which the holder then owns.
  T** Receive() {
    Reset();
    return &_Object;
  }

 private:
  // The count is no part of an object's value: a holder of a const object counts it too.
  typedef std::remove_const_t<T> Counted;
  static void Take(T* iObject) {
    if (iObject) const_cast<Counted*>(iObject)->AddRef();
  }
  static void Give(T* iObject) {
    if (iObject) const_cast<Counted*>(iObject)->Release();
  }

  T* _Object = nullptr;
};

#endif
