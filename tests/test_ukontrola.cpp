// The number-text check and the structural check of graph files.
#include "files/ukontrola.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct NumberCase {
  const char* name;
  std::string text;
  char kind;
  int expected;
};

TEST(KontrolaCisla, ClassifiesNumberTextsByKind) {
  const std::string digits255(255, '1');
  const NumberCase cases[] = {
      {"empty real", "", 'r', 1},
      {"empty unsigned", "", 'b', 1},
      {"empty integer", "", 'i', 1},
      {"unsigned", "12", 'b', 0},
      {"minus in unsigned", "-12", 'b', 2},
      {"negative integer", "-12", 'i', 0},
      {"minus inside integer", "1-2", 'i', 2},
      {"dot in integer", "1.5", 'i', 2},
      {"real with dot", "3.25", 'r', 0},
      {"two dots", "3.2.5", 'r', 2},
      {"lone dot", ".", 'r', 0},
      {"lone minus real", "-", 'r', 0},
      {"lone minus integer", "-", 'i', 0},
      {"file real", "1.25000000000000E+0001", 'r', 0},
      {"negative exponent", "5.00000000000000E-0001", 'r', 0},
      {"negative file real", "-3.00000000000000E+0000", 'r', 0},
      {"exponent without sign", "1E5", 'r', 2},
      {"lower-case e", "1e+5", 'r', 2},
      {"second exponent", "1E+5E+5", 'r', 2},
      {"exponent alone", "E+", 'r', 0},
      {"exponent at the end", "1E", 'r', 2},
      {"minus after exponent sign", "1E+-5", 'r', 2},
      {"dot after exponent", "1E+5.5", 'r', 0},
      {"comma", "3,5", 'r', 2},
      {"leading blank", " 12", 'b', 2},
      {"trailing blank", "12 ", 'i', 2},
      {"tab", "1\t2", 'r', 2},
      {"other kind is unsigned", "-1", 'x', 2},
      {"letter at 255", std::string(254, '1') + "x", 'b', 2},
      {"letter at 256 unseen", digits255 + "x", 'b', 0},
      {"exponent cut at 255", std::string(254, '1') + "E+5", 'r', 2},
      {"NUL byte", std::string("1\0" "2", 3), 'b', 2},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(c.expected, KontrolaCisla(c.text, c.kind)) << c.name;
}

// A file in a temporary folder.
class GraphFileCheck : public ::testing::Test {
protected:
  std::string Write(const std::string& bytes) {
    const QString path = dir.filePath("g.grf");
    WriteBytes(path, bytes);
    return path.toStdString();
  }

  QTemporaryDir dir;
};

const std::string kZero = " 0.00000000000000E+0000";
const std::string kFive = " 5.00000000000000E+0000";

// The two-vertex file the writer makes, with line ends of choice.
std::string TwoVertices(const std::string& eol) {
  return "2" + eol + kZero + " 120 45 " + kZero + " " + kFive + " start" + eol + kZero + " 200 90 " + kFive + " " +
         kZero + " " + eol;
}

struct FileCase {
  const char* name;
  std::string bytes;
  bool expected;
};

TEST_F(GraphFileCheck, AcceptsExactlyTheWritersLayout) {
  const std::string good = TwoVertices("\r\n");
  const std::string line2 = kZero + " 120 45 " + kZero + " " + kFive + " start";
  const std::string line3 = kZero + " 200 90 " + kFive + " " + kZero + " ";
  const auto file = [](const std::string& first, const std::string& second, const std::string& third) {
    return first + "\r\n" + second + "\r\n" + third + "\r\n";
  };
  const FileCase cases[] = {
      {"writer's file", good, true},
      {"no vertices", "0\r\n", true},
      {"no vertices, no line end", "0", true},
      {"leading zero in count", file("02", line2, line3), true},
      {"LF only", TwoVertices("\n"), true},
      {"CR only", TwoVertices("\r"), true},
      {"no final line end", good.substr(0, good.size() - 2), true},
      {"last line ends after the last length", file("2", line2, line3.substr(0, line3.size() - 1)), true},
      {"negative coordinate", file("2", kZero + " -15 45 " + kZero + " " + kFive + " ", line3), true},
      {"value 0.5", file("2", " 5.00000000000000E-0001 120 45 " + kZero + " " + kFive + " ", line3), true},
      {"sign position unseen", file("2", "x5.00000000000000E-0001 120 45 " + kZero + " " + kFive + " ", line3), true},
      {"text not examined", file("2", line2 + std::string("\t\x01\xFF", 3), line3), true},
      {"trailing lines ignored", good + "garbage\r\n", true},
      {"count -2", file("-2", line2, line3), false},
      {"count with leading blank", file(" 2", line2, line3), false},
      {"count with trailing blank", file("2 ", line2, line3), false},
      {"empty first line", file("", line2, line3), false},
      {"empty file", "", false},
      {"count 16", "16\r\n", false},
      {"30-digit count", std::string(30, '9') + "\r\n", false},
      {"count of 256 zeros", std::string(256, '0') + "\r\n", false},
      {"two blanks after x", file("2", kZero + " 120  45 " + kZero + " " + kFive + " ", line3), false},
      {"length without its blank", file("2", kZero + " 120 45 " + kZero + kFive.substr(1) + " ", line3), false},
      {"tab between fields", file("2", kZero + "\t120 45 " + kZero + " " + kFive + " ", line3), false},
      {"tab inside a field", file("2", kZero + " 12\t0 45 " + kZero + " " + kFive + " ", line3), false},
      {"comma as separator", file("2", " 0,00000000000000E+0000 120 45 " + kZero + " " + kFive + " ", line3), false},
      {"real as coordinate", file("2", kZero + " 1.5 45 " + kZero + " " + kFive + " ", line3), false},
      {"last length missing", file("2", line2, kZero + " 200 90 " + kFive), false},
      {"line ends at a sign position", file("2", line2, kZero + " 200 90 " + kFive + " "), false},
      {"empty vertex line", file("2", line2, ""), false},
      {"short file", "3\r\n" + line2 + "\r\n" + line3 + "\r\n", false},
      {"count alone", "1\r\n", false},
      {"binary bytes", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
      {"NUL bytes", std::string(64, '\0'), false},
      {"NUL inside a field", file("2", kZero + std::string(" 1\0" "20 45 ", 7) + kZero + " " + kFive + " ", line3), false},
  };
  for (const FileCase& c : cases) EXPECT_EQ(c.expected, JeSouborGrafu(Write(c.bytes))) << c.name;
}

TEST_F(GraphFileCheck, MissingFilesAndFoldersAreNotGraphFiles) {
  EXPECT_FALSE(JeSouborGrafu(dir.filePath("missing.grf").toStdString()));
  EXPECT_FALSE(JeSouborGrafu(dir.path().toStdString()));
  EXPECT_FALSE(JeSouborGrafu(""));
}

// A huge line is streamed: the check decides from a few bytes, or walks it once.
TEST_F(GraphFileCheck, HugeLinesAreCheckedFast) {
  const std::string huge(10 * 1024 * 1024, '7');
  const std::string vertex = kZero + " 1 2 " + kZero + " " + kZero + " ";
  const FileCase cases[] = {
      {"huge count", huge + "\r\n", false},
      {"huge first field", "1\r\n " + huge + " 1 2 " + kZero + " \r\n", true},
      {"huge field with a letter", "1\r\n " + huge + "x 1 2 " + kZero + " \r\n", true},
      {"huge text before a vertex line", "2\r\n" + vertex + huge + "\r\n" + vertex + "\r\n", true},
      {"huge text before a missing line", "2\r\n" + vertex + huge + "\r\n", false},
      {"huge text of the last vertex", "1\r\n" + kZero + " 1 2 " + kZero + " " + huge + "\r\n", true},
  };
  for (const FileCase& c : cases) {
    const std::string path = Write(c.bytes);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(c.expected, JeSouborGrafu(path)) << c.name;
    EXPECT_LT(timer.elapsed(), 2000) << c.name;
  }
}

}  // namespace
