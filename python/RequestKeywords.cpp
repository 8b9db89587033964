#include "RequestKeywords.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <mutex>
#include <set>

#include "BufferArray.h"
#include "OptionText.h"

namespace py = pybind11;

namespace {

// The names of the options of every table bound so far, longest first, so that "--x-limits" is
// spelt whole before "--x" could match its start.
struct LongerFirst {
  bool operator()(const std::string& a, const std::string& b) const {
    return a.size() != b.size() ? a.size() > b.size() : a < b;
  }
};
std::set<std::string, LongerFirst>& Names() {
  static std::set<std::string, LongerFirst> sNames;
  return sNames;
}

[[noreturn]] void RaiseValue(const std::string& iMessage) {
  PyErr_SetString(PyExc_ValueError, iMessage.c_str());
  throw py::error_already_set();
}

}  // namespace

std::string RequestKeywords::PairText(const py::handle& iValue, const char* iSeparator) {
  if (py::isinstance<py::str>(iValue)) return iValue.cast<std::string>();
  if (py::isinstance<py::sequence>(iValue) && py::len(iValue) == 2) {
    const py::sequence lPair = py::reinterpret_borrow<py::sequence>(iValue);
    const double a = PyFloat_AsDouble(lPair[0].ptr());
    const double b = a == -1.0 && PyErr_Occurred() ? NAN : PyFloat_AsDouble(lPair[1].ptr());
    if (!PyErr_Occurred()) return OptionText::Number(a) + iSeparator + OptionText::Number(b);
    PyErr_Clear();
  }
  return py::str(iValue);
}

namespace {

double NumberOf(const std::string& iName, const py::handle& iValue) {
  // A str is read as the command line reads the number's text.
  if (py::isinstance<py::str>(iValue)) {
    const std::string lText = iValue.cast<std::string>();
    double lNumber = 0.0;
    const std::from_chars_result lRead = std::from_chars(lText.data(), lText.data() + lText.size(), lNumber);
    if (lRead.ec == std::errc() && lRead.ptr == lText.data() + lText.size() && !lText.empty()) return lNumber;
  } else {
    const double lNumber = PyFloat_AsDouble(iValue.ptr());
    if (!(lNumber == -1.0 && PyErr_Occurred())) return lNumber;
    PyErr_Clear();
  }
  RaiseValue(iName + ": '" + std::string(py::str(iValue)) + "' is not a number");
}

DataInput DataOf(const std::string& iName, const py::handle& iValue, bool iMatrix) {
  DataInput lInput;
  lInput.Name = iName;
  if (py::isinstance<py::str>(iValue) || py::isinstance(iValue, py::module_::import("pathlib").attr("PurePath"))) {
    lInput.Spec = py::str(iValue);
    return lInput;
  }
  std::string lError;
  lInput.Array = RefPtr<NumericArray>(BufferArray::Make(iValue, iName, iMatrix, lError));
  if (!lInput.Array) RaiseValue(lError);
  return lInput;
}

}  // namespace

std::string RequestKeywords::PythonName(const char* iName) {
  std::string lName = iName;
  std::replace(lName.begin(), lName.end(), '-', '_');
  return lName;
}

void RequestKeywords::Learn(const char* iName) { Names().insert(iName); }

bool RequestKeywords::Contains(const std::vector<std::string>& iNames, const std::string& iName) {
  return std::find(iNames.begin(), iNames.end(), iName) != iNames.end();
}

std::string RequestKeywords::Spell(const std::string& iMessage) {
  std::string lText = iMessage;
  for (const std::string& lName : Names()) {
    const std::string lOption = "--" + lName;
    for (size_t p = lText.find(lOption); p != std::string::npos; p = lText.find(lOption, p)) {
      const size_t lEnd = p + lOption.size();
      const bool lWhole = lEnd == lText.size() || !(std::isalnum(static_cast<unsigned char>(lText[lEnd])) ||
                                                    lText[lEnd] == '-' || lText[lEnd] == '_');
      if (!lWhole) {
        ++p;
        continue;
      }
      const std::string lPython = PythonName(lName.c_str());
      lText.replace(p, lOption.size(), lPython);
      p += lPython.size();
    }
  }
  return lText;
}

void RequestKeywords::Raise(const RequestError& iError) {
  PyErr_SetString(iError.Kind == RequestError::eMemory ? PyExc_MemoryError : PyExc_ValueError,
                  Spell(iError.Message).c_str());
  throw py::error_already_set();
}

void RequestKeywords::RaiseType(const std::string& iMessage) {
  PyErr_SetString(PyExc_TypeError, iMessage.c_str());
  throw py::error_already_set();
}

void RequestKeywords::Read(const char* iName, eOptionKind iKind, const py::handle& iValue, Value& oValue) {
  const std::string lName = PythonName(iName);
  switch (iKind) {
    case eOptionKind::Flag:
      oValue.flag = PyObject_IsTrue(iValue.ptr()) == 1;
      break;
    case eOptionKind::Number:
      oValue.number = NumberOf(lName, iValue);
      break;
    case eOptionKind::Text:
    case eOptionKind::Choice:
      oValue.text = py::str(iValue);
      break;
    case eOptionKind::Pair:
      oValue.text = PairText(iValue, ",");
      break;
    case eOptionKind::Size:
      oValue.text = PairText(iValue, "x");
      break;
    case eOptionKind::Texts:
      if (py::isinstance<py::str>(iValue))
        oValue.texts.push_back(iValue.cast<std::string>());
      else if (py::isinstance<py::iterable>(iValue))
        for (const py::handle lItem : iValue) oValue.texts.push_back(py::str(lItem));
      else
        oValue.texts.push_back(py::str(iValue));
      break;
    case eOptionKind::Numbers:
      if (py::isinstance<py::iterable>(iValue) && !py::isinstance<py::str>(iValue))
        for (const py::handle lItem : iValue) oValue.numbers.push_back(NumberOf(lName, lItem));
      else
        oValue.numbers.push_back(NumberOf(lName, iValue));
      break;
    case eOptionKind::Vector:
    case eOptionKind::Matrix:
      oValue.data.push_back(DataOf(lName, iValue, iKind == eOptionKind::Matrix));
      break;
    case eOptionKind::Vectors:
      // One array (or file), or a list of them: one curve each.
      if (py::isinstance<py::list>(iValue) || py::isinstance<py::tuple>(iValue)) {
        size_t i = 0;
        for (const py::handle lItem : iValue)
          oValue.data.push_back(DataOf(lName + "[" + std::to_string(i++) + "]", lItem, false));
        if (oValue.data.empty()) RaiseValue(lName + ": give at least one array");
      } else {
        oValue.data.push_back(DataOf(lName, iValue, false));
      }
      break;
  }
}

std::string RequestKeywords::Default(eOptionKind iKind, bool iRequired, const std::string& iText, bool iFlag,
                                     double iNumber) {
  switch (iKind) {
    case eOptionKind::Flag:
      return iFlag ? "True" : "False";
    case eOptionKind::Number:
      return std::isnan(iNumber) ? "None" : OptionText::Number(iNumber);
    case eOptionKind::Text:
    case eOptionKind::Choice:
      return "'" + iText + "'";
    case eOptionKind::Size: {
      const size_t lCross = iText.find('x');
      return lCross == std::string::npos ? "None" : "(" + iText.substr(0, lCross) + ", " + iText.substr(lCross + 1) + ")";
    }
    default:
      return iRequired ? "required" : "None";
  }
}

const char* RequestKeywords::TypeOf(eOptionKind iKind) {
  switch (iKind) {
    case eOptionKind::Flag: return "bool";
    case eOptionKind::Number: return "float";
    case eOptionKind::Text:
    case eOptionKind::Choice: return "str";
    case eOptionKind::Pair: return "Optional[Union[Tuple[float, float], str]]";
    case eOptionKind::Size: return "Optional[Union[Tuple[int, int], str]]";
    case eOptionKind::Texts: return "Optional[Union[str, Sequence[str]]]";
    case eOptionKind::Numbers: return "Optional[Union[float, Sequence[float]]]";
    case eOptionKind::Vector:
    case eOptionKind::Matrix: return "Optional[Data]";
    case eOptionKind::Vectors: return "Optional[Union[Data, Sequence[Data]]]";
  }
  return "object";
}
