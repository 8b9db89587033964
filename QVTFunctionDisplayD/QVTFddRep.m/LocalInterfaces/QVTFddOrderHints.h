// Where each search of the order table ended last, per table row, so that the next pixel's search
// starts there: along an image row the pixels' bands move little from one pixel to the next, so a
// search from the last answer takes a step or two where a bisection takes the row's logarithm.
// Any start gives the same answer; a table without hints searches from scratch. The hints also
// tell the table that a pixel's searches ran in its usual order (rows visited, then their points
// taken), so that a later step may take an earlier one's answer. Owns its array.
#ifndef QVTFddOrderHints_H
#define QVTFddOrderHints_H

#include <memory>

class QVTFddOrderHints {
 public:
  // The searches of one row.
  enum eSearch {
    eBandFirst,
    eBandEnd,
    eXPositive,
    eInnerFirst,
    eInnerEnd,
    eLeftEnd,
    eRightFirst,
    eNearInner,
    eNearLeft,
    eNearRight,
    eAtOrder,
    eSearchCount
  };

  QVTFddOrderHints() : _Rows(0) {}

  // Room for iRows rows, all hints at 0; 0 when memory runs out (the hints are then absent).
  int Reserve(int iRows);

  // The hints of row iRow (eSearchCount of them), or null when there are none.
  unsigned int* Row(int iRow) const {
    return _Hints && iRow < _Rows ? _Hints.get() + static_cast<size_t>(iRow) * eSearchCount : nullptr;
  }

  // Searches over the whole table: the pixel's place among the shared X values in their order,
  // which serves every row that reads them so, and among the rows' Z values.
  enum eTableSearch { eSharedNear, eZPlace };
  // The hint of a whole-table search; null when there are no hints.
  unsigned int* Table(eTableSearch iSearch) const {
    return _Hints ? _Hints.get() + static_cast<size_t>(_Rows) * eSearchCount + iSearch : nullptr;
  }

  static long long BytesPerRow() { return eSearchCount * static_cast<long long>(sizeof(unsigned int)); }

 private:
  std::unique_ptr<unsigned int[]> _Hints;
  int _Rows;
};

#endif
