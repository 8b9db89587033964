// Class identifier held by every meta-object.
#ifndef CATGUID_H
#define CATGUID_H

struct CATGUID {
  unsigned int Data1 = 0;
  unsigned short Data2 = 0;
  unsigned short Data3 = 0;
  unsigned char Data4[8] = {0, 0, 0, 0, 0, 0, 0, 0};
};

inline bool operator==(const CATGUID& a, const CATGUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}

#endif
