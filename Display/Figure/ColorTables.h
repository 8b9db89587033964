// The 256-entry colour tables of the colour scales (red, green, blue, 0 to 255, from the low end
// to the high end), generated once from their published data by scripts/make-color-tables.py.
#ifndef ColorTables_H
#define ColorTables_H

class ColorTables {
 public:
  static const unsigned char kViridis[256][3];
  static const unsigned char kMagma[256][3];
  static const unsigned char kInferno[256][3];
  static const unsigned char kPlasma[256][3];
  static const unsigned char kCividis[256][3];
  static const unsigned char kTurbo[256][3];
};

#endif
