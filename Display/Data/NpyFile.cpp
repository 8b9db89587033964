#include "NpyFile.h"

#include <sys/mman.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <vector>

#include "FileDescriptor.h"
#include "MessageText.h"
#include "NumericArray.h"

namespace {

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
const char kNativeOrder = '>';
#else
const char kNativeOrder = '<';
#endif

const unsigned char kMagic[6] = {0x93, 'N', 'U', 'M', 'P', 'Y'};

// A readable excerpt of header text for messages: control bytes escaped, long text cut.
std::string Excerpt(const char* iText, size_t iLength) {
  return MessageText::Excerpt(std::string_view(iText, iLength), 60, true);
}

// The header dictionary, a Python literal such as
//   {'descr': '<f8', 'fortran_order': False, 'shape': (3, 4), }
// Only the forms the three keys take are understood; other keys are skipped whatever they hold.
class HeaderParser {
 public:
  HeaderParser(const char* iText, size_t iLength) : _Text(iText), _End(iText + iLength), _At(iText) {}

  bool Parse(std::string& oWhat) {
    SkipSpace();
    if (!Take('{')) return Fail("it does not start with '{'", oWhat);
    for (;;) {
      SkipSpace();
      if (Take('}')) break;
      std::string lKey;
      if (!String(lKey)) return Fail("a key is not a quoted string", oWhat);
      SkipSpace();
      if (!Take(':')) return Fail("no ':' after '" + lKey + "'", oWhat);
      SkipSpace();
      if (lKey == "descr") {
        if (Peek() == '[') {
          _Structured = true;
          if (!Skip(0)) return Fail("the value of 'descr' is not closed", oWhat);
        } else if (!String(_Descr)) {
          return Fail("'descr' is not a string", oWhat);
        }
        _HasDescr = true;
      } else if (lKey == "fortran_order") {
        if (Word("True")) {
          _Fortran = true;
        } else if (Word("False")) {
          _Fortran = false;
        } else {
          return Fail("'fortran_order' is neither True nor False", oWhat);
        }
        _HasFortran = true;
      } else if (lKey == "shape") {
        if (!Shape()) return Fail("'shape' is not a tuple of whole numbers", oWhat);
        _HasShape = true;
      } else if (!Skip(0)) {
        return Fail("the value of '" + lKey + "' cannot be read", oWhat);
      }
      SkipSpace();
      if (Take('}')) break;
      if (!Take(',')) return Fail("no ',' or '}' after the value of '" + lKey + "'", oWhat);
    }
    SkipSpace();
    if (_At != _End) return Fail("text follows the closing '}'", oWhat);
    if (!_HasDescr) return Missing("descr", oWhat);
    if (!_HasFortran) return Missing("fortran_order", oWhat);
    if (!_HasShape) return Missing("shape", oWhat);
    return true;
  }

  bool _Structured = false;
  std::string _Descr;
  bool _Fortran = false;
  std::vector<unsigned long long> _Shape;
  bool _ShapeOverflow = false;

 private:
  char Peek() const { return _At < _End ? *_At : '\0'; }
  bool Take(char c) {
    if (_At < _End && *_At == c) {
      ++_At;
      return true;
    }
    return false;
  }
  void SkipSpace() {
    while (_At < _End && (*_At == ' ' || *_At == '\t' || *_At == '\n' || *_At == '\r')) ++_At;
  }
  bool Word(const char* iWord) {
    const size_t lLength = std::strlen(iWord);
    if (static_cast<size_t>(_End - _At) < lLength || std::memcmp(_At, iWord, lLength) != 0) return false;
    const char* lAfter = _At + lLength;
    if (lAfter < _End && (std::isalnum(static_cast<unsigned char>(*lAfter)) || *lAfter == '_')) return false;
    _At = lAfter;
    return true;
  }
  // A Python string literal in single or double quotes; backslash escapes kept as written.
  bool String(std::string& oValue) {
    const char lQuote = Peek();
    if (lQuote != '\'' && lQuote != '"') return false;
    const char* p = _At + 1;
    std::string lValue;
    while (p < _End && *p != lQuote) {
      if (*p == '\\' && p + 1 < _End) lValue += *p++;
      if (*p == '\n') return false;
      lValue += *p++;
    }
    if (p >= _End) return false;
    _At = p + 1;
    oValue = std::move(lValue);
    return true;
  }
  // (), (n,), (n, m), ... with an optional trailing comma and the 'L' of old long literals.
  bool Shape() {
    if (!Take('(')) return false;
    _Shape.clear();
    for (;;) {
      SkipSpace();
      if (Take(')')) return true;
      if (!std::isdigit(static_cast<unsigned char>(Peek()))) return false;
      unsigned long long lValue = 0;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) {
        const unsigned lDigit = static_cast<unsigned>(*_At++ - '0');
        if (lValue > (ULLONG_MAX - lDigit) / 10) {
          _ShapeOverflow = true;
          lValue = ULLONG_MAX;
        } else {
          lValue = lValue * 10 + lDigit;
        }
      }
      if (Peek() == 'L' || Peek() == 'l') ++_At;
      _Shape.push_back(lValue);
      SkipSpace();
      if (Take(')')) return true;
      if (!Take(',')) return false;
    }
  }
  // Any value up to the ',' or '}' that ends it at this nesting level, strings and brackets
  // included; iDepth bounds the nesting so that a hostile header cannot exhaust the stack.
  bool Skip(int iDepth) {
    if (iDepth > 64) return false;
    const char* lStart = _At;
    while (_At < _End) {
      const char c = *_At;
      if (c == '\'' || c == '"') {
        std::string lIgnored;
        if (!String(lIgnored)) return false;
      } else if (c == '(' || c == '[' || c == '{') {
        const char lClose = c == '(' ? ')' : c == '[' ? ']' : '}';
        ++_At;
        for (;;) {
          SkipSpace();
          if (Take(lClose)) break;
          if (!Skip(iDepth + 1)) return false;
          SkipSpace();
          if (Take(lClose)) break;
          if (!Take(',') && !Take(':')) return false;
        }
      } else if (c == ',' || c == '}' || c == ')' || c == ']' || c == ':') {
        break;
      } else {
        ++_At;
      }
    }
    return _At > lStart;
  }
  bool Fail(const std::string& iWhy, std::string& oWhat) {
    // The padding that ends every header would only blur the message.
    size_t lLength = static_cast<size_t>(_End - _Text);
    while (lLength > 0 && std::isspace(static_cast<unsigned char>(_Text[lLength - 1]))) --lLength;
    oWhat = "unparsable header (" + iWhy + "): " + Excerpt(_Text, lLength);
    return false;
  }
  bool Missing(const char* iKey, std::string& oWhat) {
    oWhat = std::string("the header has no '") + iKey + "'";
    return false;
  }

  const char* _Text;
  const char* _End;
  const char* _At;
  bool _HasDescr = false;
  bool _HasFortran = false;
  bool _HasShape = false;
};

std::string ShapeText(const std::vector<unsigned long long>& iShape) {
  std::string lText = "(";
  for (size_t i = 0; i < iShape.size(); ++i) {
    if (i) lText += ", ";
    lText += std::to_string(iShape[i]);
  }
  if (iShape.size() == 1) lText += ",";
  return lText + ")";
}

// What a data type that is not read holds, for messages.
const char* KindName(char iKind, const std::string& iSize) {
  switch (iKind) {
    case 'i': return "integers of an unsupported size";
    case 'u': return "unsigned integers of an unsupported size";
    case 'b': case '?': return "booleans";
    case 'c': return "complex numbers";
    case 'O': return "Python objects";
    case 'S': case 'a': return "byte strings";
    case 'U': return "text strings";
    case 'V': return "raw records";
    case 'M': return "dates";
    case 'm': return "time spans";
    case 'f': return iSize == "2" ? "float16" : iSize == "16" || iSize == "12" ? "extended precision floats" : "floats";
    default: return "unknown type";
  }
}

struct TypeName {
  const char* descr;  // without the byte order
  NumericArray::Stored stored;
  const char* name;
};

const TypeName kTypes[] = {
    {"f8", NumericArray::Stored::Float64, "float64"}, {"f4", NumericArray::Stored::Float32, "float32"},
    {"i1", NumericArray::Stored::Int8, "int8"},       {"i2", NumericArray::Stored::Int16, "int16"},
    {"i4", NumericArray::Stored::Int32, "int32"},     {"i8", NumericArray::Stored::Int64, "int64"},
    {"u1", NumericArray::Stored::UInt8, "uint8"},     {"u2", NumericArray::Stored::UInt16, "uint16"},
    {"u4", NumericArray::Stored::UInt32, "uint32"},   {"u8", NumericArray::Stored::UInt64, "uint64"},
};

const char* StoredName(NumericArray::Stored iStored) {
  for (const TypeName& lType : kTypes)
    if (lType.stored == iStored) return lType.name;
  return "";
}

// A float or integer type in either byte order; else false with oWhat.
bool CheckDescr(const std::string& iDescr, NumericArray::Stored& oStored, bool& oSwapped, std::string& oWhat) {
  const std::string lQuoted = "'" + Excerpt(iDescr.data(), iDescr.size()) + "'";
  std::string lType = iDescr;
  char lOrder = '=';
  if (!lType.empty() && (lType[0] == '<' || lType[0] == '>' || lType[0] == '=' || lType[0] == '|')) {
    lOrder = lType[0];
    lType.erase(0, 1);
  }
  const TypeName* lFound = nullptr;
  for (const TypeName& lKnown : kTypes)
    if (lType == lKnown.descr) lFound = &lKnown;
  if (!lFound) {
    const std::string lSize = lType.empty() ? std::string() : lType.substr(1);
    oWhat = "unsupported data type " + lQuoted + " (" + KindName(lType.empty() ? '\0' : lType[0], lSize) +
            "): float64, float32 or integers are needed";
    return false;
  }
  const bool lOneByte = NumericArray::SizeOf(lFound->stored) == 1;
  if (lOrder == '|' && !lOneByte) {
    oWhat = "unsupported data type " + lQuoted + " (no byte order): float64, float32 or integers are needed";
    return false;
  }
  oStored = lFound->stored;
  oSwapped = !lOneByte && lOrder != '=' && lOrder != kNativeOrder;
  return true;
}

unsigned long long ReadLittle(const unsigned char* iBytes, int iCount) {
  unsigned long long lValue = 0;
  for (int i = iCount - 1; i >= 0; --i) lValue = (lValue << 8) | iBytes[i];
  return lValue;
}

}  // namespace

bool NpyFile::ReadHeader(const unsigned char* iBytes, size_t iSize, Layout& oLayout, std::string& oWhat) {
  if (iSize == 0) {
    oWhat = "empty file";
    return false;
  }
  if (iSize < sizeof(kMagic) || std::memcmp(iBytes, kMagic, sizeof(kMagic)) != 0) {
    oWhat = "not a NumPy file (it does not start with the \\x93NUMPY magic)";
    return false;
  }
  if (iSize < 8) {
    oWhat = "truncated: the file ends inside the format version";
    return false;
  }
  const unsigned lMajor = iBytes[6], lMinor = iBytes[7];
  if (lMinor != 0 || lMajor < 1 || lMajor > 3) {
    oWhat = "unsupported NPY format version " + std::to_string(lMajor) + "." + std::to_string(lMinor) +
            " (1.0, 2.0 and 3.0 are read)";
    return false;
  }
  const int lLengthBytes = lMajor == 1 ? 2 : 4;
  const size_t lPreamble = 8 + static_cast<size_t>(lLengthBytes);
  if (iSize < lPreamble) {
    oWhat = "truncated: the file ends inside the header length";
    return false;
  }
  const unsigned long long lHeaderLength = ReadLittle(iBytes + 8, lLengthBytes);
  if (lHeaderLength > iSize - lPreamble) {
    oWhat = "truncated header: it announces " + std::to_string(lHeaderLength) + " bytes, " +
            std::to_string(iSize - lPreamble) + " follow";
    return false;
  }

  HeaderParser lParser(reinterpret_cast<const char*>(iBytes + lPreamble), static_cast<size_t>(lHeaderLength));
  if (!lParser.Parse(oWhat)) return false;

  NumericArray::Stored lStored = NumericArray::Stored::Float64;
  bool lSwapped = false;
  if (lParser._Structured) {
    oWhat = "unsupported data type (structured records): float64, float32 or integers are needed";
    return false;
  }
  if (!CheckDescr(lParser._Descr, lStored, lSwapped, oWhat)) return false;

  const std::vector<unsigned long long>& lShape = lParser._Shape;
  if (lParser._ShapeOverflow) {
    oWhat = "too large: the shape has a dimension beyond 64 bits";
    return false;
  }
  const std::string lShapeText = ShapeText(lShape);
  if (lShape.empty()) {
    oWhat = "0-d array (shape ()): a 1-D or 2-D array is needed";
    return false;
  }
  if (lShape.size() > 2) {
    oWhat = std::to_string(lShape.size()) + "-D array (shape " + lShapeText + "): a 1-D or 2-D array is needed";
    return false;
  }
  for (unsigned long long lDimension : lShape) {
    if (lDimension == 0) {
      oWhat = "empty: no values (shape " + lShapeText + ")";
      return false;
    }
  }
  for (unsigned long long lDimension : lShape) {
    if (lDimension > UINT_MAX) {
      oWhat = "too large: shape " + lShapeText + " has more than 4294967295 values in one dimension";
      return false;
    }
  }
  const unsigned int lRows = static_cast<unsigned int>(lShape[0]);
  const unsigned int lColumns = lShape.size() == 2 ? static_cast<unsigned int>(lShape[1]) : 1u;
  // One row or one column is laid out alike in either order.
  if (lParser._Fortran && lRows > 1 && lColumns > 1) {
    oWhat = "Fortran-ordered arrays are not supported; save with C order";
    return false;
  }

  const size_t lOffset = lPreamble + static_cast<size_t>(lHeaderLength);
  const unsigned long long lCount = static_cast<unsigned long long>(lRows) * lColumns;
  const unsigned long long lElement = NumericArray::SizeOf(lStored);
  const unsigned long long lFollowing = iSize - lOffset;
  if (lCount > lFollowing / lElement) {
    oWhat = std::string("truncated: the header announces ") + std::to_string(lCount) + " " + StoredName(lStored) +
            " values";
    if (lCount <= ULLONG_MAX / lElement) oWhat += " (" + std::to_string(lCount * lElement) + " bytes)";
    oWhat += ", " + std::to_string(lFollowing) + " bytes follow";
    return false;
  }

  oLayout._Dimensions = static_cast<int>(lShape.size());
  oLayout._Rows = lRows;
  oLayout._Columns = lColumns;
  oLayout._Stored = lStored;
  oLayout._Swapped = lSwapped;
  oLayout._DataOffset = lOffset;
  return true;
}

NumericArray* NpyFile::Load(const FileDescriptor& iFile, const std::string& iName, bool iFlatten, std::string& oError) {
  const size_t lSize = iFile.GetSize();
  Layout lLayout;
  std::string lWhat;
  if (lSize == 0) {
    oError = iName + ": empty file";
    return nullptr;
  }
  void* lMapping = iFile.Map(iName, oError);
  if (!lMapping) return nullptr;
  if (!ReadHeader(static_cast<const unsigned char*>(lMapping), lSize, lLayout, lWhat)) {
    munmap(lMapping, lSize);
    oError = iName + ": " + lWhat;
    return nullptr;
  }
  unsigned int lRows = lLayout._Rows, lColumns = lLayout._Columns;
  bool lMatrix = lLayout._Dimensions == 2;
  if (lMatrix && iFlatten && (lRows == 1 || lColumns == 1)) {
    lRows = lRows == 1 ? lColumns : lRows;
    lColumns = 1;
    lMatrix = false;
  }
  NumericArray* lArray =
      NumericArray::FromMapping(lMapping, lSize, lLayout._DataOffset, lLayout._Stored, lLayout._Swapped, lRows,
                                lColumns, lMatrix);
  if (!lArray) oError = MessageText::OutOfMemory(iName, lSize);
  return lArray;
}
