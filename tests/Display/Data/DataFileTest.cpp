#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <climits>
#include <fstream>
#include <limits>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "CsvFile.h"
#include "DataFile.h"
#include "NpyBytes.h"
#include "NumericArray.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Writes the files of a test into a folder of its own, removed afterwards.
class DataFileTest : public testing::Test {
 protected:
  void SetUp() override {
    _Dir = testing::TempDir() + "fdd-data-" + std::to_string(getpid()) + "-" +
           testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
    ::mkdir(_Dir.c_str(), 0700);
  }
  void TearDown() override {
    for (const std::string& lPath : _Written) ::remove(lPath.c_str());
    ::rmdir(_Dir.c_str());
  }
  std::string Write(const std::string& iName, const std::string& iContent) {
    const std::string lPath = _Dir + iName;
    std::ofstream(lPath, std::ios::binary) << iContent;
    _Written.push_back(lPath);
    return lPath;
  }
  std::vector<double> Values(NumericArray* iArray) {
    std::vector<double> lValues(iArray ? iArray->GetSize() : 0);
    if (iArray) iArray->GetValues(0, lValues.size(), lValues.data());
    return lValues;
  }
  // Loads iArgument as a vector, expecting the values iExpected; the array is released.
  void ExpectVector(const std::string& iArgument, const std::vector<double>& iExpected) {
    std::string lError;
    NumericArray* lArray = DataFile::LoadVector(iArgument, lError);
    ASSERT_NE(lArray, nullptr) << iArgument << ": " << lError;
    EXPECT_FALSE(lArray->IsMatrix());
    EXPECT_EQ(lArray->GetColumns(), 1u);
    const std::vector<double> lValues = Values(lArray);
    ASSERT_EQ(lValues.size(), iExpected.size()) << iArgument;
    for (size_t i = 0; i < lValues.size(); ++i) {
      if (std::isnan(iExpected[i]))
        EXPECT_TRUE(std::isnan(lValues[i])) << iArgument << " [" << i << "]";
      else
        EXPECT_EQ(lValues[i], iExpected[i]) << iArgument << " [" << i << "]";
    }
    lArray->Release();
  }
  // Loading fails with a message naming iPath and holding every key word; returns the message.
  std::string ExpectError(NumericArray* (*iLoad)(const std::string&, std::string&), const std::string& iArgument,
                          const std::string& iPath, const std::vector<std::string>& iWords) {
    std::string lError;
    NumericArray* lArray = iLoad(iArgument, lError);
    EXPECT_EQ(lArray, nullptr) << iArgument;
    if (lArray) lArray->Release();
    EXPECT_EQ(lError.rfind(iPath + ": ", 0), 0u) << lError;
    EXPECT_EQ(lError.find('\n'), std::string::npos) << lError;
    for (const std::string& lWord : iWords) EXPECT_NE(lError.find(lWord), std::string::npos) << lError;
    return lError;
  }

  std::string _Dir;
  std::vector<std::string> _Written;
};

}  // namespace

TEST_F(DataFileTest, BadNpyFilesAreRefusedEachWithItsOwnReason) {
  const std::string lEight = StoredBytes(std::vector<double>(4, 1.0));
  std::string lShortLength("\x93NUMPY\x01\x00\x00", 9);
  std::string lBeyond = NpyBytes(NpyDict("<f8", "(4,)"), lEight);
  lBeyond[8] = '\xff';
  lBeyond[9] = '\x7f';
  std::string lVersion4 = NpyBytes(NpyDict("<f8", "(4,)"), lEight);
  lVersion4[6] = 4;
  std::string lVersion11 = NpyBytes(NpyDict("<f8", "(4,)"), lEight);
  lVersion11[7] = 1;
  struct Case {
    std::string name, content;
    std::vector<std::string> words;
  };
  const std::vector<Case> lCases = {
      {"empty.npy", "", {"empty file"}},
      {"text.npy", "time,speed\n1,2\n", {"not a NumPy file", "NUMPY"}},
      {"short.npy", lShortLength, {"truncated", "header length"}},
      {"v4.npy", lVersion4, {"version 4.0"}},
      {"v11.npy", lVersion11, {"version 1.1"}},
      {"beyond.npy", lBeyond, {"header", "32767 bytes"}},
      {"dict.npy", NpyBytes("{'descr': '<f8' 'shape': (4,)}", lEight), {"unparsable header"}},
      {"nodict.npy", NpyBytes("shape=(4,)", lEight), {"unparsable header"}},
      {"nokey.npy", NpyBytes("{'descr': '<f8', 'fortran_order': False}", lEight), {"no 'shape'"}},
      {"i16.npy", NpyBytes(NpyDict("<i16", "(2,)"), lEight), {"'<i16'", "integers", "float64, float32 or integers"}},
      {"noorder.npy", NpyBytes(NpyDict("|f8", "(4,)"), lEight), {"'|f8'", "no byte order"}},
      {"bool.npy", NpyBytes(NpyDict("|b1", "(4,)"), lEight), {"'|b1'", "booleans"}},
      {"obj.npy", NpyBytes(NpyDict("|O", "(4,)"), lEight), {"'|O'", "objects"}},
      {"c16.npy", NpyBytes(NpyDict("<c16", "(2,)"), lEight), {"'<c16'", "complex"}},
      {"f2.npy", NpyBytes(NpyDict("<f2", "(4,)"), lEight), {"'<f2'", "float16"}},
      {"rec.npy", NpyBytes("{'descr': [('a', '<f8')], 'fortran_order': False, 'shape': (4,)}", lEight), {"structured"}},
      {"fortran.npy", NpyBytes(NpyDict("<f8", "(2, 2)", true), lEight), {"Fortran", "C order"}},
      {"scalar.npy", NpyBytes(NpyDict("<f8", "()"), lEight), {"0-d"}},
      {"cube.npy", NpyBytes(NpyDict("<f8", "(1, 2, 2)"), lEight), {"3-D", "(1, 2, 2)"}},
      {"zero.npy", NpyBytes(NpyDict("<f8", "(0, 4)"), ""), {"empty", "no values", "(0, 4)"}},
      {"huge.npy", NpyBytes(NpyDict("<f8", "(4294967296,)"), lEight), {"too large"}},
      {"trunc.npy", NpyBytes(NpyDict("<f8", "(1000,)"), lEight),
       {"truncated", "1000 float64 values (8000 bytes), 32 bytes follow"}},
  };
  std::set<std::string> lMessages;
  for (const Case& c : lCases) {
    const std::string lPath = Write(c.name, c.content);
    lMessages.insert(ExpectError(&DataFile::LoadVector, lPath, lPath, c.words));
  }
  EXPECT_EQ(lMessages.size(), lCases.size());
  // The matrix loader reads the same way.
  const std::string lFortran = _Dir + "fortran.npy";
  ExpectError(&DataFile::LoadMatrix, lFortran, lFortran, {"Fortran"});
}

TEST_F(DataFileTest, FilesThatCannotBeRead) {
  ExpectError(&DataFile::LoadVector, _Dir + "missing.npy", _Dir + "missing.npy", {"cannot open", "No such file"});
  // The column part does not hide the path.
  ExpectError(&DataFile::LoadVector, _Dir + "missing.csv:speed", _Dir + "missing.csv", {"No such file"});
  ExpectError(&DataFile::LoadMatrix, _Dir + "missing.csv", _Dir + "missing.csv", {"No such file"});
  const std::string lFolder = _Dir + "folder.npy";
  ASSERT_EQ(::mkdir(lFolder.c_str(), 0700), 0);
  ExpectError(&DataFile::LoadVector, lFolder, lFolder, {"directory"});
  ::rmdir(lFolder.c_str());
  // A FIFO would block a reader until a writer comes.
  const std::string lFifo = _Dir + "fifo.csv";
  ASSERT_EQ(::mkfifo(lFifo.c_str(), 0600), 0);
  _Written.push_back(lFifo);
  ExpectError(&DataFile::LoadVector, lFifo, lFifo, {"not a regular file"});
}

TEST_F(DataFileTest, NpyValuesAsWritten) {
  const std::vector<double> lDoubles = {1.5, -2.25, kNaN, 1e300, -kInf};
  ExpectVector(Write("d.npy", NpyBytes(NpyDict("<f8", "(5,)"), StoredBytes(lDoubles))), lDoubles);
  // float32 widened exactly.
  const std::vector<float> lFloats = {0.1f, -3.0f, 65504.5f};
  ExpectVector(Write("f.NPY", NpyBytes(NpyDict("<f4", "(3,)"), StoredBytes(lFloats))), {double(0.1f), -3.0, 65504.5});
  // Versions 2.0 and 3.0, keys in another order, odd spacing, native order, double quotes, a data
  // offset that is not a multiple of 8, and bytes after the data.
  ExpectVector(Write("v2.npy", NpyBytes(NpyDict("=f8", "(5,)"), StoredBytes(lDoubles), 2)), lDoubles);
  ExpectVector(Write("v3.npy", NpyBytes("{\"shape\":(3L,),\n 'fortran_order' :False,'descr':'<f4'}",
                                   StoredBytes(lFloats) + "extra", 3, 5)),
               {double(0.1f), -3.0, 65504.5});
  // One row or one column of a 2-D array is a vector; Fortran order does not matter there.
  ExpectVector(Write("row.npy", NpyBytes(NpyDict("<f8", "(1, 5)", true), StoredBytes(lDoubles))), lDoubles);
  ExpectVector(Write("col.npy", NpyBytes(NpyDict("<f8", "(5, 1)"), StoredBytes(lDoubles))), lDoubles);

  // A 3 x 4 matrix: value (r, c) = 10 r + c.
  std::vector<double> lGrid;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) lGrid.push_back(10 * r + c);
  const std::string lPath = Write("m.npy", NpyBytes(NpyDict("<f8", "(3, 4)"), StoredBytes(lGrid), 1, 16));
  std::string lError;
  NumericArray* lMatrix = DataFile::LoadMatrix(lPath, lError);
  ASSERT_NE(lMatrix, nullptr) << lError;
  EXPECT_TRUE(lMatrix->IsMatrix());
  EXPECT_TRUE(lMatrix->IsMapped());
  EXPECT_EQ(lMatrix->GetRows(), 3u);
  EXPECT_EQ(lMatrix->GetColumns(), 4u);
  EXPECT_EQ(lMatrix->GetValue(2u, 1u), 21.0);
  EXPECT_EQ(lMatrix->GetValue(1u, 3u), 13.0);
  EXPECT_TRUE(std::isnan(lMatrix->GetValue(1u, 4u)));
  EXPECT_EQ(lMatrix->GetRefCount(), 1u);
  lMatrix->Release();
  // A column of the matrix by number; names and other columns are refused.
  ExpectVector(lPath + ":2", {2, 12, 22});
  ExpectError(&DataFile::LoadVector, lPath, lPath, {"3 x 4", ":COLUMN"});
  ExpectError(&DataFile::LoadVector, lPath + ":4", lPath, {"no column '4'", "0 to 3"});
  ExpectError(&DataFile::LoadVector, lPath + ":speed", lPath, {"no column 'speed'"});
  const std::string lVector = _Dir + "d.npy";
  ExpectError(&DataFile::LoadMatrix, lVector, lVector, {"1-D", "matrix is needed"});
  ExpectError(&DataFile::LoadVector, lVector + ":0", lVector, {"1-D"});
}

TEST_F(DataFileTest, IntegerAndByteSwappedNpyConvertedAsRead) {
  const struct {
    std::string descr, bytes;
    std::vector<double> values;
  } lCases[] = {
      {"|i1", StoredBytes(std::vector<int8_t>{-128, 0, 127}), {-128, 0, 127}},
      {"|u1", StoredBytes(std::vector<uint8_t>{0, 200, 255}), {0, 200, 255}},
      {"<i2", StoredBytes(std::vector<int16_t>{-32768, 1, 32767}), {-32768, 1, 32767}},
      {">u2", StoredBytes(std::vector<uint16_t>{1, 258, 65535}, true), {1, 258, 65535}},
      {">i4", StoredBytes(std::vector<int32_t>{-2, INT32_MIN, INT32_MAX}, true), {-2, INT32_MIN, INT32_MAX}},
      {"<u4", StoredBytes(std::vector<uint32_t>{0, 7, UINT32_MAX}), {0, 7, UINT32_MAX}},
      {"<i8", StoredBytes(std::vector<int64_t>{0, 1, -(int64_t(1) << 53)}), {0, 1, -9007199254740992.0}},
      {">u8", StoredBytes(std::vector<uint64_t>{3, uint64_t(1) << 63, 0}, true), {3, 9223372036854775808.0, 0}},
      {">f4", StoredBytes(std::vector<float>{0.5f, -1e30f, 0.1f}, true), {0.5, double(-1e30f), double(0.1f)}},
      {">f8", StoredBytes(std::vector<double>{1.5, -kInf, 1e-300}, true), {1.5, -kInf, 1e-300}},
  };
  for (const auto& c : lCases) {
    const std::string lPath = Write("t.npy", NpyBytes(NpyDict(c.descr, "(3,)"), c.bytes));
    std::string lError;
    NumericArray* lArray = DataFile::LoadVector(lPath, lError);
    ASSERT_NE(lArray, nullptr) << c.descr << ": " << lError;
    EXPECT_TRUE(lArray->IsMapped()) << c.descr;
    const std::vector<double> lValues = Values(lArray);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(lValues[i], c.values[i]) << c.descr << " [" << i << "]";
      EXPECT_EQ(lArray->GetValue(static_cast<unsigned long long>(i)), c.values[i]) << c.descr << " [" << i << "]";
    }
    lArray->Release();
  }
  // A column of a big-endian integer matrix.
  const std::string lMatrix =
      Write("m.npy", NpyBytes(NpyDict(">i2", "(2, 2)"), StoredBytes(std::vector<int16_t>{1, -2, 3, -4}, true)));
  ExpectVector(lMatrix + ":1", {-2, -4});
}

TEST_F(DataFileTest, LargeNpyIsMappedNotRead) {
  const size_t lCount = 20u << 17;  // 20 MB of float64
  std::vector<double> lValues(lCount);
  for (size_t i = 0; i < lCount; ++i) lValues[i] = double(i % 1000) - 500.0;
  lValues[lCount - 1] = 12345.0;
  const std::string lPath = Write("big.npy", NpyBytes(NpyDict("<f8", "(" + std::to_string(lCount) + ",)"), StoredBytes(lValues)));
  std::string lError;
  NumericArray* lArray = DataFile::LoadVector(lPath, lError);
  ASSERT_NE(lArray, nullptr) << lError;
  EXPECT_TRUE(lArray->IsMapped());
  EXPECT_EQ(lArray->GetSize(), lCount);
  EXPECT_EQ(lArray->GetValue(static_cast<unsigned long long>(lCount - 1)), 12345.0);
  double lMin = 0, lMax = 0;
  ASSERT_TRUE(lArray->GetFiniteRange(lMin, lMax));
  EXPECT_EQ(lMin, -500.0);
  EXPECT_EQ(lMax, 12345.0);
  lArray->Release();
}

TEST_F(DataFileTest, BadCsvFilesAreRefusedEachWithItsOwnReason) {
  struct Case {
    std::string name, content, column;
    std::vector<std::string> words;
  };
  const std::string lThree = "time,speed,level\n0,1,2\n1,2,3\n";
  const std::vector<Case> lCases = {
      {"empty.csv", "", "", {"empty file"}},
      {"bom.csv", "\xEF\xBB\xBF\r\n", "", {"empty file"}},
      {"blank.csv", "\nspeed\n1\n", "", {"line 1 is empty", "header"}},
      {"header.csv", "time,speed\n\n", "speed", {"no data rows below the header"}},
      {"ragged.csv", "a,b,c,d\n1,2,3,4\n1,2,3,4\n1,2,3,4\n1,2,3,4\n1,2,3,4\n1,2,3\n", "a",
       {"line 7 has 3 cells, the header has 4"}},
      {"gap.csv", "a,b\n1,2\n\n3,4\n", "a", {"line 3 is empty"}},
      {"text.csv", "time,speed\n0,1\n1,2\n2,3\n3,abc\n", "speed", {"line 5, column 'speed': 'abc' is not a number"}},
      {"comma.csv", "time;speed\n0;1,5\n", "speed", {"'1,5' is not a number", "decimal mark"}},
      {"name.csv", lThree, "rpm", {"no column 'rpm' (columns: time, speed, level)"}},
      {"number.csv", lThree, "3", {"no column 3", "time, speed, level"}},
      {"choose.csv", lThree, "", {"3 columns (time, speed, level): choose one with", "choose.csv:COLUMN"}},
      {"colon.csv", lThree, ":", {"no column after ':'"}},
      {"nohead.csv", "1,2\n3,4\n5\n", "0", {"line 3 has 1 cell, the first row has 2"}},
      {"notes.csv", "# time,speed\n# nothing measured\n", "", {"no data rows, only comments"}},
      {"blanks.dat", "t v\n1 2\n3 4 5\n", "v", {"line 3 has 3 cells, the header has 2"}},
      // Binary data is not split into lines and cells of nonsense.
      {"nul.csv", std::string("t,v\n1,\0\n", 8), "v", {"binary data, not text", "byte 6 is \\x00"}},
      {"control.csv", "t,v\n1,\x01\n", "v", {"binary data", "byte 6 is \\x01"}},
      // A last column without a name is a column when any of its cells holds a value.
      {"unnamed.csv", "t,\n1,\n2,5\n", "", {"2 columns (t, (unnamed))"}},
  };
  std::set<std::string> lMessages;
  for (const Case& c : lCases) {
    const std::string lPath = Write(c.name, c.content);
    const std::string lArgument = c.column.empty() ? lPath : c.column == ":" ? lPath + ":" : lPath + ":" + c.column;
    lMessages.insert(ExpectError(&DataFile::LoadVector, lArgument, lPath, c.words));
  }
  EXPECT_EQ(lMessages.size(), lCases.size());
  // Every cell of a matrix must be a number, whichever column.
  const std::string lText = _Dir + "text.csv";
  ExpectError(&DataFile::LoadMatrix, lText, lText, {"line 5, column 'speed'"});
  const std::string lHeader = _Dir + "header.csv";
  ExpectError(&DataFile::LoadMatrix, lHeader, lHeader, {"no data rows"});
}

TEST_F(DataFileTest, CsvValuesAsWritten) {
  // A spreadsheet export: byte order mark, quoted names, semicolons, CRLF, a missing value, padded
  // cells, nan / inf spellings and an empty line at the end.
  const std::string lPath = Write("sheet.csv",
                                  "\xEF\xBB\xBF\"time\"; \"speed\" ;level\r\n"
                                  "0;  1.5 ;-1e3\r\n"
                                  "0.5;;+2\r\n"
                                  "1;nan;\"3.25\"\r\n"
                                  "1.5;-Inf;inf\r\n"
                                  "\r\n");
  ExpectVector(lPath + ":speed", {1.5, kNaN, kNaN, -kInf});
  ExpectVector(lPath + ":2", {-1000, 2, 3.25, kInf});
  ExpectVector(lPath + ":time", {0, 0.5, 1, 1.5});
  // Whatever the process locale says about decimal marks, when such a locale is installed.
  const std::string lLocale = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    ExpectVector(lPath + ":time", {0, 0.5, 1, 1.5});
    std::setlocale(LC_NUMERIC, lLocale.c_str());
  }

  std::string lError;
  NumericArray* lMatrix = DataFile::LoadMatrix(lPath, lError);
  ASSERT_NE(lMatrix, nullptr) << lError;
  EXPECT_TRUE(lMatrix->IsMatrix());
  EXPECT_FALSE(lMatrix->IsMapped());
  EXPECT_EQ(lMatrix->GetRows(), 4u);
  EXPECT_EQ(lMatrix->GetColumns(), 3u);
  EXPECT_EQ(lMatrix->GetValue(1u, 2u), 2.0);
  EXPECT_EQ(lMatrix->GetValue(3u, 0u), 1.5);
  lMatrix->Release();

  // Tabs; one column needs no choice, its empty lines inside are missing values; a number
  // a double cannot hold is an infinity or zero, as meant.
  const std::string lTab = Write("tab.tsv", "x\ty\n1\t2\n3\t4");
  ExpectVector(lTab + ":y", {2, 4});
  ExpectError(&DataFile::LoadVector, lTab, lTab, {"2 columns (x, y)"});
  ExpectVector(Write("one.csv", "level\n1\n\n2e-400\n-1e999\n\n\n"), {1, kNaN, 0, -kInf});
  // A file name holding ':' is a path as a whole, and still takes a column.
  const std::string lColon = Write("a:b.csv", "speed,level\n7,8\n");
  ExpectVector(lColon + ":level", {8});
  ExpectError(&DataFile::LoadVector, lColon, lColon, {"2 columns"});
}

// Files without a header row, with comments, and separated by blanks: the values and the name a
// vector takes (header name, else column number; the file's stem for a whole file).
TEST_F(DataFileTest, HeaderlessCommentedAndBlankSeparatedText) {
  const struct {
    std::string file, content, column;
    std::vector<double> values;
    std::string name;
  } lCases[] = {
      {"nohead.csv", "1,2\n3,4\n", "1", {2, 4}, "1"},
      {"nohead.csv", "1,2\n3,4\n", "0", {1, 3}, "0"},
      {"missing.csv", ",2\n3,\n", "0", {kNaN, 3}, "0"},
      {"one.csv", "\xEF\xBB\xBF" "5\n6\n\n7\n", "", {5, 6, kNaN, 7}, "one"},
      {"named.csv", "time,speed\n0,1\n1,2\n", "1", {1, 2}, "speed"},
      {"savetxt.csv", "# time,speed\n0,1.5\n1,2.5\n", "speed", {1.5, 2.5}, "speed"},
      {"notes.csv", "# logger 2.1\n# time;speed\n0;1\n# pause\n1;2\n", "1", {1, 2}, "speed"},
      {"comment.csv", "# made by hand\ntime,speed\n# calibrated\n0,1\n", "speed", {1}, "speed"},
      {"other.csv", "# a b c\n0,1\n", "1", {1}, "1"},  // the comment has more names than cells
      {"gnuplot.DAT", "# x y\n0   1\r\n1\t\t2\n\n  2  3  \n", "y", {1, 2, 3}, "y"},
      {"quoted.txt", "time \"engine speed\"\n0 5\n1 nan\n", "engine speed", {5, kNaN}, "engine speed"},
      {"column.txt", "1\n2\n", "", {1, 2}, "column"},
      {"comma.txt", "a,b c\n1,2\n", "b c", {2}, "b c"},  // commas make it a CSV
      // A separator ending every line makes no column (a line may lack it).
      {"trailing.csv", "t,\n1,\n2,\n", "", {1, 2}, "trailing"},
      {"trailing2.csv", "a;b;\n1;2;\n3;4\n", "b", {2, 4}, "b"},
      {"trailing0.csv", "1,\n,\n2,\n", "", {1, kNaN, 2}, "trailing0"},
      // UTF-8 is text, also where the part looked at for binary bytes cuts a character.
      {"utf8.csv", "temp \xc2\xb0" "C\n1\n", "", {1}, "utf8"},
      // So is an 8-bit encoding: the degree sign in Latin-1.
      {"latin1.csv", "temp \xb0" "C\n1\n", "", {1}, "latin1"},
      {"long.csv", "# " + std::string(65533, 'a') + "\xc2\xb0\nv\n1\n", "", {1}, "long"},
  };
  for (const auto& c : lCases) {
    const std::string lPath = Write(c.file, c.content);
    const std::string lSpec = c.column.empty() ? lPath : lPath + ":" + c.column;
    ExpectVector(lSpec, c.values);
    std::string lError, lName;
    NumericArray* lArray = DataFile::LoadVector(lSpec, lError, lName);
    EXPECT_EQ(lName, c.name) << lSpec;
    if (lArray) lArray->Release();
  }
  // A matrix of a headerless file holds its first row.
  std::string lError;
  NumericArray* lMatrix = DataFile::LoadMatrix(Write("m.csv", "1,2,3\n4,5,6\n"), lError);
  ASSERT_NE(lMatrix, nullptr) << lError;
  EXPECT_EQ(lMatrix->GetRows(), 2u);
  EXPECT_EQ(lMatrix->GetValue(0u, 2u), 3.0);
  lMatrix->Release();
  // A .npy column is named by its number.
  std::string lName;
  NumericArray* lColumn =
      DataFile::LoadVector(Write("m.npy", NpyBytes(NpyDict("<f8", "(1, 2)"), StoredBytes(std::vector<double>{1, 2}))) + ":1", lError, lName);
  EXPECT_EQ(lName, "1");
  if (lColumn) lColumn->Release();
}

// Every way out of a load, accepted or refused, closes the file it opened.
TEST_F(DataFileTest, TextLoadsStopAtTheStopFlagOfTheirThread) {
  std::string lText = "t,v\n";
  for (int i = 0; i < 10000; ++i) lText += std::to_string(i) + "," + std::to_string(i % 7) + "\n";
  const std::string lCsv = Write("long.csv", lText);
  const std::string lNpy = Write("short.npy", NpyBytes(NpyDict("<f8", "(2,)"), StoredBytes(std::vector<double>{1.0, 2.0})));
  std::atomic<bool> lStop{true};
  const struct {
    std::string Argument;
    NumericArray* (*Load)(const std::string&, std::string&);
    bool Stops;
  } kCases[] = {{lCsv + ":v", &DataFile::LoadVector, true},
                {lCsv, &DataFile::LoadMatrix, true},
                // A mapped .npy has nothing to stop.
                {lNpy, &DataFile::LoadVector, false}};
  for (const auto& lCase : kCases) {
    CsvFile::StopOnThisThread(&lStop);
    if (lCase.Stops) ExpectError(lCase.Load, lCase.Argument, _Dir + "long.csv", {"loading stopped"});
    // Another thread's flag, or none, stops nothing here.
    std::thread([&] { CsvFile::StopOnThisThread(&lStop); }).join();
    CsvFile::StopOnThisThread(lCase.Stops ? nullptr : &lStop);
    std::string lError;
    NumericArray* lArray = lCase.Load(lCase.Argument, lError);
    EXPECT_NE(lArray, nullptr) << lCase.Argument << ": " << lError;
    if (lArray) lArray->Release();
  }
  CsvFile::StopOnThisThread(nullptr);
}

TEST_F(DataFileTest, EveryLoadClosesItsFile) {
  const auto lOpenDescriptors = [] {
    size_t lCount = 0;
    for (int lFd = 0; lFd < 1024; ++lFd) lCount += ::fcntl(lFd, F_GETFD) != -1;
    return lCount;
  };
  const std::string lFolder = _Dir + "folder.csv";
  ASSERT_EQ(::mkdir(lFolder.c_str(), 0700), 0);
  const std::string lFifo = _Dir + "fifo.npy";
  ASSERT_EQ(::mkfifo(lFifo.c_str(), 0600), 0);
  _Written.push_back(lFifo);
  const std::string lMatrix = Write("m.npy", NpyBytes(NpyDict("<f8", "(2, 2)"), StoredBytes(std::vector<double>{1, 2, 3, 4})));
  const std::string lCsv = Write("run.csv", "time,speed\n0,1\n1,x\n");
  const std::string lArguments[] = {lMatrix + ":1", lMatrix + ":7", lMatrix, Write("bad.npy", "\x93NUMPY"),
                                    lCsv + ":time", lCsv + ":speed", lCsv + ":rpm", lFolder, lFifo};
  const size_t lBefore = lOpenDescriptors();
  for (const std::string& lArgument : lArguments) {
    std::string lError;
    for (NumericArray* lArray : {DataFile::LoadVector(lArgument, lError), DataFile::LoadMatrix(lArgument, lError)})
      if (lArray) lArray->Release();
    EXPECT_EQ(lOpenDescriptors(), lBefore) << lArgument;
  }
  ::rmdir(lFolder.c_str());
}
