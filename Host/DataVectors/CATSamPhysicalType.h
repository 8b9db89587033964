// Physical quantity a data object holds.
#ifndef CATSamPhysicalType_H
#define CATSamPhysicalType_H

enum CATSamPhysicalType { CATSamPhysicalTypeNone = 0 };

#endif
