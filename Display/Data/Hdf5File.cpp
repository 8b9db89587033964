#include "Hdf5File.h"

#include <hdf5.h>
#include <hdf5_hl.h>
#include <sys/mman.h>

#include <climits>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "FileDescriptor.h"
#include "MessageText.h"
#include "NumericArray.h"

namespace {

// Every call into the library holds this: a serial build keeps global state unguarded.
std::mutex& LibraryLock() {
  static std::mutex lLock;
  return lLock;
}

// Switched off before each use: the library would print its stack of errors to standard error.
void Silence() { H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr); }

// One identifier of the library, closed with its own closing function when the holder goes.
class Handle {
 public:
  Handle(hid_t iId, herr_t (*iClose)(hid_t)) : _Id(iId), _Close(iClose) {}
  ~Handle() {
    if (_Id >= 0) _Close(_Id);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  hid_t Get() const { return _Id; }
  bool IsValid() const { return _Id >= 0; }

 private:
  hid_t _Id;
  herr_t (*_Close)(hid_t);
};

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
const H5T_order_t kNativeOrder = H5T_ORDER_BE;
#else
const H5T_order_t kNativeOrder = H5T_ORDER_LE;
#endif

// How a dataset's values are stored; false (with the type's name) for what is not read.
bool StoredOf(hid_t iType, NumericArray::Stored& oStored, bool& oSwapped, std::string& oName) {
  const H5T_class_t lClass = H5Tget_class(iType);
  const size_t lSize = H5Tget_size(iType);
  oSwapped = H5Tget_order(iType) != kNativeOrder && lSize > 1;
  if (lClass == H5T_FLOAT) {
    oName = "float" + std::to_string(lSize * 8);
    if (lSize == 8 && H5Tget_precision(iType) == 64) return oStored = NumericArray::Stored::Float64, true;
    if (lSize == 4 && H5Tget_precision(iType) == 32) return oStored = NumericArray::Stored::Float32, true;
    return false;
  }
  if (lClass == H5T_INTEGER) {
    const bool lSigned = H5Tget_sign(iType) == H5T_SGN_2;
    oName = std::string(lSigned ? "int" : "uint") + std::to_string(lSize * 8);
    if (H5Tget_precision(iType) != lSize * 8 || H5Tget_offset(iType) != 0) return false;
    using S = NumericArray::Stored;
    switch (lSize) {
      case 1: oStored = lSigned ? S::Int8 : S::UInt8; return true;
      case 2: oStored = lSigned ? S::Int16 : S::UInt16; return true;
      case 4: oStored = lSigned ? S::Int32 : S::UInt32; return true;
      case 8: oStored = lSigned ? S::Int64 : S::UInt64; return true;
      default: return false;
    }
  }
  switch (lClass) {
    case H5T_STRING: oName = "strings"; break;
    case H5T_COMPOUND: oName = "compound records"; break;
    case H5T_ENUM: oName = "enumeration"; break;
    case H5T_ARRAY: oName = "arrays"; break;
    case H5T_VLEN: oName = "variable-length sequences"; break;
    case H5T_REFERENCE: oName = "references"; break;
    case H5T_OPAQUE: oName = "opaque bytes"; break;
    case H5T_BITFIELD: oName = "bit fields"; break;
    default: oName = "unknown type"; break;
  }
  return false;
}

// A string attribute of an object, empty when there is none.
std::string StringAttribute(hid_t iObject, const char* iName) {
  if (H5Aexists(iObject, iName) <= 0) return {};
  Handle lAttribute(H5Aopen(iObject, iName, H5P_DEFAULT), H5Aclose);
  Handle lType(H5Aget_type(lAttribute.Get()), H5Tclose);
  if (!lType.IsValid() || H5Tget_class(lType.Get()) != H5T_STRING) return {};
  Handle lSpace(H5Aget_space(lAttribute.Get()), H5Sclose);
  if (H5Sget_simple_extent_npoints(lSpace.Get()) != 1) return {};
  std::string lText;
  if (H5Tis_variable_str(lType.Get()) > 0) {
    Handle lMemory(H5Tcopy(H5T_C_S1), H5Tclose);
    H5Tset_size(lMemory.Get(), H5T_VARIABLE);
    H5Tset_cset(lMemory.Get(), H5Tget_cset(lType.Get()));
    char* lValue = nullptr;
    if (H5Aread(lAttribute.Get(), lMemory.Get(), &lValue) >= 0 && lValue) lText = lValue;
    if (lValue) H5free_memory(lValue);
  } else {
    const size_t lSize = H5Tget_size(lType.Get());
    if (lSize == 0 || lSize > 4096) return {};
    std::vector<char> lValue(lSize + 1, '\0');
    Handle lMemory(H5Tcopy(H5T_C_S1), H5Tclose);
    H5Tset_size(lMemory.Get(), lSize + 1);
    H5Tset_cset(lMemory.Get(), H5Tget_cset(lType.Get()));
    if (H5Aread(lAttribute.Get(), lMemory.Get(), lValue.data()) >= 0) lText = lValue.data();
  }
  return MessageText::Excerpt(lText, 80, false);
}

// The path of the dimension scale attached to dimension iDimension of a dataset, empty without.
std::string ScalePath(hid_t iDataset, unsigned int iDimension) {
  std::string lPath;
  auto lVisit = [](hid_t, unsigned int, hid_t iScale, void* ioPath) -> herr_t {
    char lName[1024];
    const ssize_t lLength = H5Iget_name(iScale, lName, sizeof(lName));
    if (lLength > 0 && static_cast<size_t>(lLength) < sizeof(lName)) *static_cast<std::string*>(ioPath) = lName;
    return 1;
  };
  if (H5Aexists(iDataset, "DIMENSION_LIST") > 0) H5DSiterate_scales(iDataset, iDimension, nullptr, lVisit, &lPath);
  return lPath;
}

// MATLAB's names: "/bench/speed" is bench.speed.
std::string MatlabName(const std::string& iPath) {
  std::string lName = iPath.substr(iPath.find_first_not_of('/'));
  for (char& c : lName)
    if (c == '/') c = '.';
  return lName;
}

std::string DatasetPath(const std::string& iName, bool iMatlab) {
  std::string lPath = iName.empty() || iName[0] != '/' ? "/" + iName : iName;
  if (iMatlab)
    for (char& c : lPath)
      if (c == '.') c = '/';
  return lPath;
}

// The shape of an open dataset as stored; false for a scalar or a space without extent.
std::vector<unsigned long long> ShapeOf(hid_t iDataset) {
  Handle lSpace(H5Dget_space(iDataset), H5Sclose);
  const int lRank = lSpace.IsValid() ? H5Sget_simple_extent_ndims(lSpace.Get()) : -1;
  if (lRank < 0 || lRank > 32) return {};
  std::vector<hsize_t> lDims(static_cast<size_t>(lRank));
  if (lRank > 0) H5Sget_simple_extent_dims(lSpace.Get(), lDims.data(), nullptr);
  return std::vector<unsigned long long>(lDims.begin(), lDims.end());
}

std::string ShapeText(const std::vector<unsigned long long>& iShape) {
  std::string lText;
  for (size_t i = 0; i < iShape.size(); ++i) lText += (i ? " x " : "") + std::to_string(iShape[i]);
  return iShape.empty() ? "scalar" : lText;
}

struct Listing {
  bool Matlab = false;
  std::vector<DataEntry>* Entries = nullptr;
};

DataEntry Describe(hid_t iDataset, const std::string& iPath, bool iMatlab) {
  DataEntry lEntry;
  lEntry.Name = iMatlab ? MatlabName(iPath) : iPath;
  lEntry.Shape = ShapeOf(iDataset);
  if (iMatlab) lEntry.Shape.assign(lEntry.Shape.rbegin(), lEntry.Shape.rend());
  Handle lType(H5Dget_type(iDataset), H5Tclose);
  NumericArray::Stored lStored;
  bool lSwapped = false;
  lEntry.Numeric = lType.IsValid() && StoredOf(lType.Get(), lStored, lSwapped, lEntry.Type);
  if (lSwapped) lEntry.Type += lSwapped == (kNativeOrder == H5T_ORDER_LE) ? " big-endian" : " little-endian";
  lEntry.Axis = H5DSis_scale(iDataset) > 0;
  std::string lNotes;
  const std::string lUnits = StringAttribute(iDataset, "units");
  if (!lUnits.empty()) lNotes += "units " + lUnits;
  if (lEntry.Axis) lNotes += std::string(lNotes.empty() ? "" : ", ") + "dimension scale";
  const size_t lRank = lEntry.Shape.size();
  for (unsigned int d = 0; d < lRank && d < 2; ++d) {
    const std::string lScale = ScalePath(iDataset, d);
    if (lScale.empty()) continue;
    const unsigned int lShown = iMatlab ? static_cast<unsigned int>(lRank - 1 - d) : d;
    lNotes += std::string(lNotes.empty() ? "" : ", ") + "dimension " + std::to_string(lShown) + " scale " +
              (iMatlab ? MatlabName(lScale) : lScale);
  }
  lEntry.Notes = lNotes;
  return lEntry;
}

herr_t VisitLink(hid_t iGroup, const char* iName, const H5L_info_t* iInfo, void* ioListing) {
  Listing& lListing = *static_cast<Listing*>(ioListing);
  if (iInfo->type != H5L_TYPE_HARD) return 0;
  const std::string lPath = std::string("/") + iName;
  // MATLAB keeps the contents of cells and its own bookkeeping under names starting with '#'.
  if (lListing.Matlab && lPath.find("/#") != std::string::npos) return 0;
  Handle lObject(H5Oopen(iGroup, iName, H5P_DEFAULT), H5Oclose);
  if (!lObject.IsValid() || H5Iget_type(lObject.Get()) != H5I_DATASET) return 0;
  lListing.Entries->push_back(Describe(lObject.Get(), lPath, lListing.Matlab));
  return lListing.Entries->size() > 100000 ? 1 : 0;
}

std::string Unreadable(const std::string& iPath) {
  return iPath + ": cannot be read as an HDF5 file (damaged or truncated; the HDF5 library gave no detail)";
}

// A contiguous dataset without filters, mapped where it lies; null with oError empty when it
// is not stored so (then it is read), with oError set when the file cannot hold it.
NumericArray* Mapped(hid_t iDataset, const std::string& iPath, const std::string& iName, NumericArray::Stored iStored,
                     bool iSwapped, unsigned int iRows, unsigned int iColumns, bool iMatrix, std::string& oError) {
  Handle lCreation(H5Dget_create_plist(iDataset), H5Pclose);
  if (!lCreation.IsValid() || H5Pget_layout(lCreation.Get()) != H5D_CONTIGUOUS ||
      H5Pget_nfilters(lCreation.Get()) != 0 || H5Pget_external_count(lCreation.Get()) != 0)
    return nullptr;
  const haddr_t lOffset = H5Dget_offset(iDataset);
  if (lOffset == HADDR_UNDEF) return nullptr;
  const unsigned long long lBytes = static_cast<unsigned long long>(iRows) * iColumns * NumericArray::SizeOf(iStored);
  FileDescriptor lFile = FileDescriptor::Open(iPath, oError);
  if (!lFile.IsOpen()) return nullptr;
  if (lOffset > lFile.GetSize() || lBytes > lFile.GetSize() - lOffset) {
    oError = iPath + ": truncated: dataset " + iName + " needs " + std::to_string(lBytes) + " bytes at offset " +
             std::to_string(lOffset) + ", the file has " + std::to_string(lFile.GetSize());
    return nullptr;
  }
  void* lMapping = lFile.Map(iPath, oError);
  if (!lMapping) return nullptr;
  NumericArray* lArray = NumericArray::FromMapping(lMapping, lFile.GetSize(), static_cast<size_t>(lOffset), iStored,
                                                   iSwapped, iRows, iColumns, iMatrix);
  if (!lArray) oError = MessageText::OutOfMemory(iPath, lFile.GetSize());
  return lArray;
}

NumericArray* LoadLocked(const std::string& iPath, const std::string& iName, bool iMatlab, bool iFlatten,
                         DataAxis oAxes[2], bool iAxes, std::string& oError) {
  Handle lFile(H5Fopen(iPath.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT), H5Fclose);
  if (!lFile.IsValid()) return oError = Unreadable(iPath), nullptr;
  const std::string lPath = DatasetPath(iName, iMatlab);
  Handle lDataset(H5Dopen2(lFile.Get(), lPath.c_str(), H5P_DEFAULT), H5Dclose);
  if (!lDataset.IsValid()) return oError = iPath + ": cannot open dataset " + iName + " (damaged file)", nullptr;
  Handle lType(H5Dget_type(lDataset.Get()), H5Tclose);
  NumericArray::Stored lStored = NumericArray::Stored::Float64;
  bool lSwapped = false;
  std::string lTypeName;
  if (!lType.IsValid() || !StoredOf(lType.Get(), lStored, lSwapped, lTypeName))
    return oError = iPath + ": dataset " + iName + " holds " + lTypeName + ": numbers are needed", nullptr;
  std::vector<unsigned long long> lShape = ShapeOf(lDataset.Get());
  const std::string lShapeText = ShapeText(lShape);
  if (lShape.empty() || lShape.size() > 2)
    return oError = iPath + ": dataset " + iName + " is " + (lShape.empty() ? "a scalar" : std::to_string(lShape.size()) + "-D") +
                    " (" + lShapeText + "): a 1-D or 2-D dataset is needed",
           nullptr;
  for (unsigned long long lDimension : lShape) {
    if (lDimension == 0) return oError = iPath + ": dataset " + iName + " is empty: no values (" + lShapeText + ")", nullptr;
    if (lDimension > UINT_MAX)
      return oError = iPath + ": dataset " + iName + " is too large (" + lShapeText + ")", nullptr;
  }
  unsigned int lRows = static_cast<unsigned int>(lShape[0]);
  unsigned int lColumns = lShape.size() == 2 ? static_cast<unsigned int>(lShape[1]) : 1u;
  bool lMatrix = lShape.size() == 2;
  // Which stored dimension each dimension handed out is: a flattened dataset keeps its long one.
  unsigned int lDimensionOf[2] = {0, 1};
  if (lMatrix && iFlatten && (lRows == 1 || lColumns == 1)) {
    if (lRows == 1) lDimensionOf[0] = 1;
    lRows = lRows == 1 ? lColumns : lRows;
    lColumns = 1;
    lMatrix = false;
  }
  NumericArray* lArray = Mapped(lDataset.Get(), iPath, iName, lStored, lSwapped, lRows, lColumns, lMatrix, oError);
  if (!lArray && !oError.empty()) return nullptr;
  if (!lArray) {
    // The library decodes chunk by chunk straight into the kept doubles, which it fills whole.
    const unsigned long long lCount = static_cast<unsigned long long>(lRows) * lColumns;
    std::unique_ptr<double[]> lValues(new (std::nothrow) double[lCount]);
    if (!lValues) return oError = MessageText::OutOfMemory(iPath, lCount * sizeof(double)), nullptr;
    if (H5Dread(lDataset.Get(), H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT, lValues.get()) < 0)
      return oError = iPath + ": cannot read dataset " + iName + " (damaged or truncated file)", nullptr;
    lArray = NumericArray::FromBuffer(std::move(lValues), lRows, lColumns, lMatrix);
    if (!lArray) return oError = MessageText::OutOfMemory(iPath, lCount * sizeof(double)), nullptr;
  }
  if (iMatlab && lMatrix) {
    // MATLAB writes its column-major matrices as their transposes.
    NumericArray* lTransposed = lArray->Transposed();
    lArray->Release();
    if (!(lArray = lTransposed)) return oError = MessageText::OutOfMemory(iPath, 0), nullptr;
    lDimensionOf[0] = 1;
    lDimensionOf[1] = 0;
  }
  for (unsigned int d = 0; iAxes && d < (lMatrix ? 2u : 1u); ++d) {
    const std::string lScale = ScalePath(lDataset.Get(), lDimensionOf[d]);
    const unsigned int lLength = d == 0 ? lArray->GetRows() : lArray->GetColumns();
    if (lScale.empty()) continue;
    std::string lIgnored;
    DataAxis lNone[2];
    RefPtr<NumericArray> lValues(LoadLocked(iPath, lScale, false, true, lNone, false, lIgnored));
    // A scale that does not fit its dimension is no axis for it.
    if (!lValues || lValues->IsMatrix() || lValues->GetRows() != lLength) continue;
    oAxes[d].Values = lValues;
    oAxes[d].Name = lScale.substr(lScale.rfind('/') + 1);
    const std::string lUnits = [&] {
      Handle lScaleSet(H5Dopen2(lFile.Get(), lScale.c_str(), H5P_DEFAULT), H5Dclose);
      return lScaleSet.IsValid() ? StringAttribute(lScaleSet.Get(), "units") : std::string();
    }();
    if (!lUnits.empty()) oAxes[d].Name += " (" + lUnits + ")";
  }
  return lArray;
}

}  // namespace

bool Hdf5File::Is(const std::string& iPath) {
  std::lock_guard<std::mutex> lLock(LibraryLock());
  Silence();
  return H5Fis_hdf5(iPath.c_str()) > 0;
}

bool Hdf5File::List(const std::string& iPath, bool iMatlab, std::vector<DataEntry>& oEntries, std::string& oError) {
  std::lock_guard<std::mutex> lLock(LibraryLock());
  Silence();
  Handle lFile(H5Fopen(iPath.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT), H5Fclose);
  if (!lFile.IsValid()) return oError = Unreadable(iPath), false;
  Listing lListing;
  lListing.Matlab = iMatlab;
  lListing.Entries = &oEntries;
  if (H5Lvisit(lFile.Get(), H5_INDEX_NAME, H5_ITER_INC, VisitLink, &lListing) < 0)
    return oError = iPath + ": cannot list the datasets (damaged or truncated file)", false;
  return true;
}

NumericArray* Hdf5File::Load(const std::string& iPath, const std::string& iName, bool iMatlab, bool iFlatten,
                             DataAxis oAxes[2], std::string& oError) {
  std::lock_guard<std::mutex> lLock(LibraryLock());
  Silence();
  oError.clear();
  return LoadLocked(iPath, iName, iMatlab, iFlatten, oAxes, true, oError);
}
