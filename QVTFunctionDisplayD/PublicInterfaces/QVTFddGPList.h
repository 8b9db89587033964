// Node of a singly linked list of host graphic primitives: the lists in which axis parts and axis
// texts collect what they create and in which an axis keeps it for drawing. A list is handled
// through a pointer to its head node; a null head is an empty list. Lists grow only at the head,
// so they hold their primitives in reverse order of creation.
//
// Owns its primitive and, through _Next, the rest of the list: destroying a head destroys every
// primitive (with CATGraphicPrimitive::Destroy) and every node. Nodes come from a module-wide pool
// that recycles freed nodes, the most recently freed first, and never gives them back to the heap.
// The class is final because its pool hands out a node whatever size is asked.
#ifndef QVTFddGPList_H
#define QVTFddGPList_H

#include <cstddef>

class CATGraphicPrimitive;

class QVTFddGPList final {
 public:
  QVTFddGPList(QVTFddGPList* iNext, CATGraphicPrimitive* iGP);
  // Destroys the primitives front to back, then returns the other nodes to the pool, the last node
  // first; the caller's delete returns this node last. Iterative, so any length is safe.
  ~QVTFddGPList();
  // Copies both pointers: the two nodes then share primitive and tail, so only one of them may be
  // destroyed.
  QVTFddGPList& operator=(const QVTFddGPList& iOther);
  QVTFddGPList(const QVTFddGPList&) = delete;

  // The pool: the most recently freed node whatever iSize is, else iSize bytes from the heap; null
  // when the heap has none.
  static void* operator new(size_t iSize) noexcept;
  static void operator delete(void* iNode) noexcept;

  QVTFddGPList* GetNext() const { return _Next; }
  CATGraphicPrimitive* GetGP() const { return _GP; }

  // Pushes iGP at the head of ioHead; the list owns it from then on. Returns 1 when pushed. A null
  // iGP adds nothing; when no node can be had, ioHead stays as it was and iGP is destroyed, so
  // nothing leaks.
  static int Push(QVTFddGPList*& ioHead, CATGraphicPrimitive* iGP);

 private:
  // Heap allocation behind the pool; tests replace it to simulate an exhausted heap.
  static void* (*sHeapAllocate)(size_t iSize);
  friend struct QVTFddGPListTestAccess;

  QVTFddGPList* _Next;
  CATGraphicPrimitive* _GP;
};

#endif
