// Basic result and count types shared by every host library.
#ifndef HostTypes_H
#define HostTypes_H

typedef long HRESULT;
typedef unsigned long ULONG;

#ifndef S_OK
#define S_OK ((HRESULT)0L)
#endif
#ifndef E_FAIL
#define E_FAIL ((HRESULT)0x80004005L)
#endif

#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

#endif
