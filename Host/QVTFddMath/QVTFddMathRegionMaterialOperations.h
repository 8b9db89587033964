// Operations on the material attached to the boxes of a QVTFddMathRegion. Only declared: the
// regions of this library carry no material, so callers always pass a null pointer.
#ifndef QVTFddMathRegionMaterialOperations_H
#define QVTFddMathRegionMaterialOperations_H

class QVTFddMathRegionMaterialOperations;

#endif
