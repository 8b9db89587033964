// Value conversion of a logarithmic axis back to the values: 10 to the power of the coordinate,
// then, when given, another scaling (a unit change). Order maps on logarithmic axes need it, as
// their orders are ratios of values, not of logarithms. Reference counted; holds one reference on
// the other scaling.
#ifndef Exp10Scaling_H
#define Exp10Scaling_H

#include "QVTIFddScaling.h"
#include "RefPtr.h"

class Exp10Scaling : public QVTIFddScaling {
 public:
  explicit Exp10Scaling(QVTIFddScaling* iThen = nullptr);
  ~Exp10Scaling() override;
  double Convert(double iValue) override;

 private:
  RefPtr<QVTIFddScaling> _Then;
};

#endif
