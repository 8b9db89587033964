// One sample of an order table: its order (scaled X over scaled Z), its place in the data (X index
// within its row, Z index = row) and its data coordinates (unscaled X and Z), kept so that the
// table answers distance questions without reading the data again. A plain record.
#ifndef QVTFddOrderEntry_H
#define QVTFddOrderEntry_H

class QVTFddOrderEntry {
 public:
  QVTFddOrderEntry() : _Order(-1.0), _XIndex(-1), _ZIndex(-1), _X(0.0), _Z(0.0) {}
  QVTFddOrderEntry(double iOrder, int iXIndex, int iZIndex, double iX, double iZ)
      : _Order(iOrder), _XIndex(iXIndex), _ZIndex(iZIndex), _X(iX), _Z(iZ) {}

  // Table order: by order, ties by (Z index, X index), so that every build sorts alike.
  bool operator<(const QVTFddOrderEntry& iOther) const {
    if (_Order != iOther._Order) return _Order < iOther._Order;
    if (_ZIndex != iOther._ZIndex) return _ZIndex < iOther._ZIndex;
    return _XIndex < iOther._XIndex;
  }

  double _Order;
  int _XIndex;
  int _ZIndex;
  double _X;
  double _Z;
};

#endif
