#include "QVTFddGPList.h"

#include <mutex>
#include <new>

#include "CATGraphicPrimitive.h"

namespace {

// A pooled node's storage holds only the link to the next free node.
struct FreeNode {
  FreeNode* next;
};
static_assert(sizeof(QVTFddGPList) >= sizeof(FreeNode), "a node must be able to hold the pool link");
static_assert(alignof(QVTFddGPList) >= alignof(FreeNode), "a node must be able to hold the pool link");

// The pool is shared by every thread that draws; the lock keeps its links whole.
FreeNode* sFreeNodes = nullptr;
std::mutex sFreeNodesLock;

void* HeapAllocate(size_t iSize) { return ::operator new(iSize, std::nothrow); }

void DestroyGP(CATGraphicPrimitive*& ioGP) {
  if (ioGP) ioGP->Destroy();
  ioGP = nullptr;
}

}  // namespace

void* (*QVTFddGPList::sHeapAllocate)(size_t) = &HeapAllocate;

QVTFddGPList::QVTFddGPList(QVTFddGPList* iNext, CATGraphicPrimitive* iGP) : _Next(iNext), _GP(iGP) {}

QVTFddGPList::~QVTFddGPList() {
  DestroyGP(_GP);
  // Primitives in walk order while the chain is reversed, so that the nodes can then be freed last
  // node first without recursion (a recursive walk overflows the stack on long lists).
  QVTFddGPList* lReversed = nullptr;
  QVTFddGPList* lNode = _Next;
  _Next = nullptr;
  while (lNode) {
    DestroyGP(lNode->_GP);
    QVTFddGPList* lFollowing = lNode->_Next;
    lNode->_Next = lReversed;
    lReversed = lNode;
    lNode = lFollowing;
  }
  while (lReversed) {
    QVTFddGPList* lFollowing = lReversed->_Next;
    lReversed->_Next = nullptr;
    delete lReversed;  // holds neither primitive nor tail any more
    lReversed = lFollowing;
  }
}

QVTFddGPList& QVTFddGPList::operator=(const QVTFddGPList& iOther) {
  _Next = iOther._Next;
  _GP = iOther._GP;
  return *this;
}

void* QVTFddGPList::operator new(size_t iSize) noexcept {
  {
    const std::lock_guard<std::mutex> lLock(sFreeNodesLock);
    if (FreeNode* lNode = sFreeNodes) {
      sFreeNodes = lNode->next;
      lNode->~FreeNode();
      return lNode;
    }
  }
  return sHeapAllocate(iSize);
}

void QVTFddGPList::operator delete(void* iNode) noexcept {
  if (!iNode) return;
  const std::lock_guard<std::mutex> lLock(sFreeNodesLock);
  sFreeNodes = new (iNode) FreeNode{sFreeNodes};
}

int QVTFddGPList::Push(QVTFddGPList*& ioHead, CATGraphicPrimitive* iGP) {
  if (!iGP) return 0;
  QVTFddGPList* lNode = new QVTFddGPList(ioHead, iGP);
  if (!lNode) {
    iGP->Destroy();
    return 0;
  }
  ioHead = lNode;
  return 1;
}
