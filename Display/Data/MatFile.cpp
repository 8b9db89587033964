#include "MatFile.h"

#include <matio.h>
#include <sys/mman.h>

#include <climits>
#include <mutex>

#include "FileDescriptor.h"
#include "MatLayout.h"
#include "MessageText.h"
#include "NumericArray.h"

namespace {

// matio prints its warnings and errors itself; they are turned into our one line instead.
void Quiet(int, char*) {}

std::mutex& LibraryLock() {
  static std::mutex lLock;
  return lLock;
}

// An open file, closed when the holder goes; not opened (oError set) when its headers do not fit.
class OpenMat {
 public:
  OpenMat(const std::string& iPath, std::string& oError) {
    if (!Checked(iPath, oError)) return;
    Mat_LogInitFunc("fdd", Quiet);
    _Mat = Mat_Open(iPath.c_str(), MAT_ACC_RDONLY);
    if (!_Mat) oError = iPath + ": cannot be read as a MATLAB file (not a .mat file, or damaged)";
  }
  ~OpenMat() {
    if (_Mat) Mat_Close(_Mat);
  }
  OpenMat(const OpenMat&) = delete;
  OpenMat& operator=(const OpenMat&) = delete;
  mat_t* Get() const { return _Mat; }

 private:
  static bool Checked(const std::string& iPath, std::string& oError) {
    const FileDescriptor lFile = FileDescriptor::Open(iPath, oError);
    if (!lFile.IsOpen()) return false;
    if (lFile.GetSize() == 0) return oError = iPath + ": empty file", false;
    void* lMapping = lFile.Map(iPath, oError);
    if (!lMapping) return false;
    std::string lWhat;
    const bool lFits = MatLayout::Check(static_cast<const unsigned char*>(lMapping), lFile.GetSize(), lWhat);
    munmap(lMapping, lFile.GetSize());
    if (!lFits) oError = iPath + ": " + lWhat;
    return lFits;
  }

  mat_t* _Mat = nullptr;
};

// Keeps a variable read by matio alive while an array reads its values.
class VariableKeeper : public CATBaseUnknown {
 public:
  explicit VariableKeeper(matvar_t* iVariable) : _Variable(iVariable) {}
  ~VariableKeeper() override { Mat_VarFree(_Variable); }
  VariableKeeper(const VariableKeeper&) = delete;
  VariableKeeper& operator=(const VariableKeeper&) = delete;

 private:
  matvar_t* _Variable;
};

struct ClassName {
  matio_classes cls;
  NumericArray::Stored stored;
  const char* name;
};

const ClassName kClasses[] = {
    {MAT_C_DOUBLE, NumericArray::Stored::Float64, "double"}, {MAT_C_SINGLE, NumericArray::Stored::Float32, "single"},
    {MAT_C_INT8, NumericArray::Stored::Int8, "int8"},        {MAT_C_UINT8, NumericArray::Stored::UInt8, "uint8"},
    {MAT_C_INT16, NumericArray::Stored::Int16, "int16"},     {MAT_C_UINT16, NumericArray::Stored::UInt16, "uint16"},
    {MAT_C_INT32, NumericArray::Stored::Int32, "int32"},     {MAT_C_UINT32, NumericArray::Stored::UInt32, "uint32"},
    {MAT_C_INT64, NumericArray::Stored::Int64, "int64"},     {MAT_C_UINT64, NumericArray::Stored::UInt64, "uint64"},
};

const ClassName* NumericClass(const matvar_t* iVariable) {
  if (iVariable->isComplex) return nullptr;
  for (const ClassName& lClass : kClasses)
    if (lClass.cls == iVariable->class_type) return &lClass;
  return nullptr;
}

std::string TypeName(const matvar_t* iVariable) {
  if (const ClassName* lClass = NumericClass(iVariable)) return lClass->name;
  if (iVariable->isComplex) return "complex";
  switch (iVariable->class_type) {
    case MAT_C_CHAR: return "char";
    case MAT_C_CELL: return "cell";
    case MAT_C_STRUCT: return "struct";
    case MAT_C_SPARSE: return "sparse";
    case MAT_C_OBJECT: return "object";
    case MAT_C_FUNCTION: return "function";
    default: return "unknown class";
  }
}

std::vector<unsigned long long> ShapeOf(const matvar_t* iVariable) {
  std::vector<unsigned long long> lShape;
  for (int d = 0; d < iVariable->rank && iVariable->dims; ++d) lShape.push_back(iVariable->dims[d]);
  return lShape;
}

// Lists iVariable under iName, and the fields of a 1 x 1 struct under "iName.field".
void Add(const matvar_t* iVariable, const std::string& iName, int iDepth, std::vector<DataEntry>& oEntries) {
  DataEntry lEntry;
  lEntry.Name = iName;
  lEntry.Shape = ShapeOf(iVariable);
  lEntry.Type = TypeName(iVariable);
  lEntry.Numeric = NumericClass(iVariable) != nullptr;
  if (iVariable->class_type != MAT_C_STRUCT) {
    oEntries.push_back(lEntry);
    return;
  }
  const unsigned lFields = Mat_VarGetNumberOfFields(const_cast<matvar_t*>(iVariable));
  char* const* lNames = Mat_VarGetStructFieldnames(iVariable);
  if (iDepth > 16 || !lNames) return;
  for (unsigned f = 0; f < lFields; ++f) {
    matvar_t* lField = Mat_VarGetStructFieldByName(const_cast<matvar_t*>(iVariable), lNames[f], 0);
    if (lField && lNames[f]) Add(lField, iName + "." + lNames[f], iDepth + 1, oEntries);
  }
}

}  // namespace

bool MatFile::List(const std::string& iPath, std::vector<DataEntry>& oEntries, std::string& oError) {
  std::lock_guard<std::mutex> lLock(LibraryLock());
  OpenMat lMat(iPath, oError);
  if (!lMat.Get()) return false;
  while (matvar_t* lVariable = Mat_VarReadNextInfo(lMat.Get())) {
    if (lVariable->name) Add(lVariable, lVariable->name, 0, oEntries);
    Mat_VarFree(lVariable);
    if (oEntries.size() > 100000) break;
  }
  if (oEntries.empty()) return oError = iPath + ": holds no variables that can be read (empty or damaged)", false;
  return true;
}

NumericArray* MatFile::Load(const std::string& iPath, const std::string& iName, bool iFlatten, std::string& oError) {
  std::lock_guard<std::mutex> lLock(LibraryLock());
  OpenMat lMat(iPath, oError);
  if (!lMat.Get()) return nullptr;
  const size_t lDot = iName.find('.');
  matvar_t* lTop = Mat_VarRead(lMat.Get(), iName.substr(0, lDot).c_str());
  if (!lTop) return oError = iPath + ": cannot read variable " + iName + " (damaged file)", nullptr;
  RefPtr<VariableKeeper> lKeeper(new VariableKeeper(lTop));
  if (!lKeeper) {
    Mat_VarFree(lTop);
    return oError = MessageText::OutOfMemory(iPath, 0), nullptr;
  }
  matvar_t* lVariable = lTop;
  for (size_t lAt = lDot; lAt != std::string::npos && lVariable;) {
    const size_t lNext = iName.find('.', lAt + 1);
    const std::string lField = iName.substr(lAt + 1, lNext == std::string::npos ? std::string::npos : lNext - lAt - 1);
    lVariable = lVariable->class_type == MAT_C_STRUCT ? Mat_VarGetStructFieldByName(lVariable, lField.c_str(), 0)
                                                      : nullptr;
    lAt = lNext;
  }
  if (!lVariable) return oError = iPath + ": cannot read variable " + iName + " (damaged file)", nullptr;
  const ClassName* lClass = NumericClass(lVariable);
  if (!lClass)
    return oError = iPath + ": variable " + iName + " holds " + TypeName(lVariable) + ": real numbers are needed",
           nullptr;
  const std::vector<unsigned long long> lShape = ShapeOf(lVariable);
  std::string lShapeText;
  for (size_t d = 0; d < lShape.size(); ++d) lShapeText += (d ? " x " : "") + std::to_string(lShape[d]);
  if (lShape.size() != 2)
    return oError = iPath + ": variable " + iName + " is " + std::to_string(lShape.size()) + "-D (" + lShapeText +
                    "): a 1-D or 2-D variable is needed",
           nullptr;
  if (lShape[0] == 0 || lShape[1] == 0)
    return oError = iPath + ": variable " + iName + " is empty: no values (" + lShapeText + ")", nullptr;
  if (lShape[0] > UINT_MAX || lShape[1] > UINT_MAX)
    return oError = iPath + ": variable " + iName + " is too large (" + lShapeText + ")", nullptr;
  const size_t lElement = NumericArray::SizeOf(lClass->stored);
  if (!lVariable->data || static_cast<size_t>(lVariable->data_size) != lElement ||
      lVariable->nbytes / lElement < lShape[0] * lShape[1])
    return oError = iPath + ": variable " + iName + " holds fewer values than its shape " + lShapeText + " (damaged file)",
           nullptr;
  unsigned int lRows = static_cast<unsigned int>(lShape[0]), lColumns = static_cast<unsigned int>(lShape[1]);
  const bool lMatrix = !(iFlatten && (lRows == 1 || lColumns == 1));
  if (!lMatrix) lRows = lRows == 1 ? lColumns : lRows, lColumns = 1;
  // Column by column: value (row, column) lies at row + column * rows.
  const std::ptrdiff_t lRowStride = static_cast<std::ptrdiff_t>(lElement);
  const std::ptrdiff_t lColumnStride = lRowStride * static_cast<std::ptrdiff_t>(lRows);
  NumericArray* lArray = NumericArray::FromMemory(lVariable->data, lRowStride, lColumnStride, lClass->stored, false,
                                                  lRows, lColumns, lMatrix, lKeeper.Get());
  if (!lArray) oError = MessageText::OutOfMemory(iPath, 0);
  return lArray;
}
