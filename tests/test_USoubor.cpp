// The graph file writer and reader, the current file name, and saves that fail.
#include "files/USoubor.h"

#include "files/ukontrola.h"
#include "model/UGraf.h"
#include "platform/SysUtils.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Vertex {
  double hodnota;
  std::int32_t x;
  std::int32_t y;
  std::string text;
};

struct Edge {
  std::uint8_t a;
  std::uint8_t b;
  double delka;
};

// Makes graf hold these vertices and edges (both directions of each edge).
void Build(const std::vector<Vertex>& vertices, const std::vector<Edge>& edges = {}) {
  graf.Clear();
  graf.Init(std::uint8_t(vertices.size()));
  for (std::uint8_t i = 1; i <= vertices.size(); ++i) {
    graf.SetHodnota(i, vertices[i - 1].hodnota);
    graf.SetX(i, vertices[i - 1].x);
    graf.SetY(i, vertices[i - 1].y);
    graf.SetText(i, vertices[i - 1].text);
  }
  for (const Edge& e : edges) {
    graf.SetHrana(e.a, e.b, e.delka);
    graf.SetHrana(e.b, e.a, e.delka);
  }
}

const std::string kZero = " 0.00000000000000E+0000";
const std::string kFive = " 5.00000000000000E+0000";

class GraphFile : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  std::string Path(const QString& name = "g.grf") const { return dir.filePath(name).toStdString(); }

  // Saves graf to a fresh file and gives back its bytes.
  std::string Saved() {
    SetJmenoSouboru(Path());
    EXPECT_EQ(0, UlozGraf());
    return ReadBytes(QString::fromStdString(Path()));
  }

  // Loads these bytes into an emptied graf.
  int Load(const std::string& bytes) {
    WriteBytes(QString::fromStdString(Path()), bytes);
    ZrusGraf();
    SetJmenoSouboru(Path());
    return NactiGraf();
  }

  // Every name in the folder but the one given: temporary files left behind show here.
  QStringList Leftovers(const QString& keep = "g.grf") const {
    QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.removeAll(keep);
    return names;
  }

  QTemporaryDir dir;
};

TEST_F(GraphFile, WriterUsesCrLfAndTwentyThreeCharacterReals) {
  Build({{0.0, 120, 45, "start"}, {0.0, 200, 90, ""}}, {{1, 2, 5.0}});
  EXPECT_EQ("2\r\n" + kZero + " 120 45 " + kZero + " " + kFive + " start\r\n" + kZero + " 200 90 " + kFive + " " +
                kZero + " \r\n",
            Saved());

  Build({});
  EXPECT_EQ("0\r\n", Saved());

  Build({{-1.5, -15, -2147483647 - 1, " "}});
  EXPECT_EQ("1\r\n-1.50000000000000E+0000 -15 -2147483648 " + kZero + "  \r\n", Saved());
}

TEST_F(GraphFile, RealsAreRoundedToFifteenSignificantDigits) {
  struct Case {
    const char* name;
    double value;
    std::string written;
    double readBack;
  };
  const Case cases[] = {
      {"zero", 0.0, " 0.00000000000000E+0000", 0.0},
      {"negative zero", -0.0, " 0.00000000000000E+0000", 0.0},
      {"half", 0.5, " 5.00000000000000E-0001", 0.5},
      {"twelve and a half", 12.5, " 1.25000000000000E+0001", 12.5},
      {"minus three", -3.0, "-3.00000000000000E+0000", -3.0},
      {"tenth", 0.1, " 1.00000000000000E-0001", 0.1},
      {"third", 1.0 / 3, " 3.33333333333333E-0001", 0.333333333333333},
      {"two thirds round up", 2.0 / 3, " 6.66666666666667E-0001", 0.666666666666667},
      {"rounding carries into the exponent", 9.9999999999999999, " 1.00000000000000E+0001", 10.0},
      {"tiny", 1e-300, " 1.00000000000000E-0300", 1e-300},
      {"large negative", -2.5e17, "-2.50000000000000E+0017", -2.5e17},
      {"smallest subnormal", 5e-324, " 4.94065645841247E-0324", 4.94065645841247e-324},
      {"largest rounds down to stay readable", 1.7976931348623157e308, " 1.79769313486231E+0308", 1.79769313486231e308},
      {"most negative", -1.7976931348623157e308, "-1.79769313486231E+0308", -1.79769313486231e308},
  };
  for (const Case& c : cases) {
    Build({{c.value, 0, 0, ""}}, {{1, 1, c.value}});
    const std::string bytes = Saved();
    EXPECT_EQ("1\r\n" + c.written + " 0 0 " + c.written + " \r\n", bytes) << c.name;
    EXPECT_TRUE(JeSouborGrafu(Path())) << c.name;
    ASSERT_EQ(0, Load(bytes)) << c.name;
    EXPECT_EQ(c.readBack, graf.GetHodnota(1)) << c.name;
    EXPECT_EQ(c.readBack, graf.GetHrana(1, 1)) << c.name;
  }
}

TEST_F(GraphFile, SaveAndLoadGiveBackTheGraph) {
  const std::vector<Vertex> vertices = {
      {0.1, 0, 0, ""},
      {-2.5e17, -15, 360, "  leading blanks"},
      {1e-300, 568, -7, "inner  blanks and trailing "},
      {42.0, 2147483647, 5, "\xD8" "e\xE8i\x9A" "t\xEC " "\x9E" "lu\x9Dou\xE8k\xFD k\xF9\xF2"},
      {-0.5, 3, 4, "   "},
  };
  const std::vector<Edge> edges = {{1, 2, 7.25}, {2, 3, -4.0}, {1, 5, 1.0 / 3}, {4, 5, 1e15}, {3, 3, 2.0}};
  Build(vertices, edges);
  const std::string bytes = Saved();

  ZrusGraf();
  graf.SetKomponent(3);
  graf.SetBarev(2);
  ASSERT_EQ(0, NactiGraf());
  EXPECT_EQ(3, graf.GetKomponent());
  EXPECT_EQ(2, graf.GetBarev());
  ASSERT_EQ(vertices.size(), graf.GetPocet());
  for (std::uint8_t i = 1; i <= vertices.size(); ++i) {
    EXPECT_EQ(vertices[i - 1].hodnota, graf.GetHodnota(i)) << int(i);
    EXPECT_EQ(vertices[i - 1].x, graf.GetX(i)) << int(i);
    EXPECT_EQ(vertices[i - 1].y, graf.GetY(i)) << int(i);
    EXPECT_EQ(vertices[i - 1].text, graf.GetText(i)) << int(i);
  }
  EXPECT_EQ(7.25, graf.GetHrana(1, 2));
  EXPECT_EQ(-4.0, graf.GetHrana(3, 2));
  EXPECT_EQ(0.333333333333333, graf.GetHrana(5, 1));
  EXPECT_EQ(1e15, graf.GetHrana(4, 5));
  EXPECT_EQ(2.0, graf.GetHrana(3, 3));
  EXPECT_EQ(0.0, graf.GetHrana(4, 1));
  EXPECT_EQ(bytes, Saved()) << "a loaded graph is saved to the same bytes";
}

TEST_F(GraphFile, AsymmetricRowsAreReadAsTheyStandAndWrittenTransposed) {
  const std::string one = " 1.00000000000000E+0000";
  const std::string two = " 2.00000000000000E+0000";
  const std::string file = "2\r\n" + kZero + " 1 1 " + kZero + " " + one + " a\r\n" + kZero + " 2 2 " + two + " " + kZero + " b\r\n";
  ASSERT_EQ(0, Load(file));
  EXPECT_EQ(1.0, graf.GetHrana(2, 1)) << "entry 2 of vertex 1";
  EXPECT_EQ(2.0, graf.GetHrana(1, 2)) << "entry 1 of vertex 2";
  EXPECT_EQ("2\r\n" + kZero + " 1 1 " + kZero + " " + two + " a\r\n" + kZero + " 2 2 " + one + " " + kZero + " b\r\n", Saved());
}

// The reader takes numbers as tokens; only the check is strict about spacing.
TEST_F(GraphFile, ReaderIsFreeInSpacingAndLineEnds) {
  const std::string line1 = kZero + " 120 45 " + kZero + " " + kFive + " start";
  const std::string line2 = kZero + " 200 90 " + kFive + " " + kZero + " ";
  struct Case {
    const char* name;
    std::string bytes;
    double hodnota1;
    std::string text1;
    std::string text2;
  };
  const Case cases[] = {
      {"CR LF", "2\r\n" + line1 + "\r\n" + line2 + "\r\n", 0.0, "start", ""},
      {"LF only", "2\n" + line1 + "\n" + line2 + "\n", 0.0, "start", ""},
      {"CR only", "2\r" + line1 + "\r" + line2 + "\r", 0.0, "start", ""},
      {"no final line end", "2\r\n" + line1 + "\r\n" + line2, 0.0, "start", ""},
      {"line ends after the last length", "2\r\n" + line1 + "\r\n" + line2.substr(0, line2.size() - 1), 0.0, "start", ""},
      {"sign position holds a digit", "2\r\n1" + line1.substr(1) + "\r\n" + line2 + "\r\n", 10.0, "start", ""},
      {"extra blanks before the text", "2\r\n" + line1.substr(0, line1.size() - 5) + "   start\r\n" + line2 + "\r\n", 0.0,
       "   start", ""},
      {"text with control bytes", "2\r\n" + line1 + std::string("\t\0\x01", 3) + "\r\n" + line2 + "\r\n", 0.0,
       std::string("start\t\0\x01", 8), ""},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(0, Load(c.bytes)) << c.name;
    ASSERT_EQ(2, graf.GetPocet()) << c.name;
    EXPECT_EQ(c.hodnota1, graf.GetHodnota(1)) << c.name;
    EXPECT_EQ(120, graf.GetX(1)) << c.name;
    EXPECT_EQ(90, graf.GetY(2)) << c.name;
    EXPECT_EQ(5.0, graf.GetHrana(2, 1)) << c.name;
    EXPECT_EQ(5.0, graf.GetHrana(1, 2)) << c.name;
    EXPECT_EQ(c.text1, graf.GetText(1)) << c.name;
    EXPECT_EQ(c.text2, graf.GetText(2)) << c.name;
  }
}

TEST_F(GraphFile, HugeTextIsKeptAndReadFast) {
  const std::string huge(10 * 1024 * 1024, 'x');
  QElapsedTimer timer;
  timer.start();
  ASSERT_EQ(0, Load("1\r\n" + kZero + " 1 2 " + kZero + " " + huge + "\r\n"));
  EXPECT_EQ(huge, graf.GetText(1));
  EXPECT_LT(timer.elapsed(), 3000);
}

TEST_F(GraphFile, MissingFilesAndOtherFilesLeaveTheGraphAlone) {
  Build({{1.5, 10, 20, "kept"}});
  struct Case {
    const char* name;
    std::string path;
    int result;
  };
  WriteBytes(dir.filePath("binary.grf"), std::string("\x7F" "ELF\0\0\x01\x02", 8));
  WriteBytes(dir.filePath("count16.grf"), "16\r\n");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.grf"));
  const Case cases[] = {
      {"missing", Path("missing.grf"), 2},
      {"folder", Path("folder.grf"), 2},
      {"empty name", "", 2},
      {"binary", Path("binary.grf"), 1},
      {"count above 15", Path("count16.grf"), 1},
  };
  for (const Case& c : cases) {
    SetJmenoSouboru(c.path);
    EXPECT_EQ(c.path, GetJmenoSouboru()) << c.name;
    EXPECT_EQ(c.result, NactiGraf()) << c.name;
    ASSERT_EQ(1, graf.GetPocet()) << c.name;
    EXPECT_EQ(1.5, graf.GetHodnota(1)) << c.name;
    EXPECT_EQ("kept", graf.GetText(1)) << c.name;
  }
  EXPECT_TRUE(ExistujeSoubor(Path("binary.grf")));
  EXPECT_FALSE(ExistujeSoubor(Path("folder.grf")));
  EXPECT_FALSE(ExistujeSoubor(Path("missing.grf")));
}

// Fields that pass the character check but do not convert stop the load with an
// input/output error; what was read stays in graf.
TEST_F(GraphFile, FieldsThatDoNotConvertStopTheLoad) {
  const std::string line1 = kZero + " 7 8 " + kZero + " " + kZero + " first";
  struct Case {
    const char* name;
    std::string line2;
    std::string quoted;
  };
  const Case cases[] = {
      {"lone dot", " . 3 4 " + kZero + " " + kZero + " ", "'.'"},
      {"lone minus coordinate", kZero + " 3 - " + kZero + " " + kZero + " ", "'-'"},
      {"letter in the sign position", "x5.00000000000000E-0001 3 4 " + kZero + " " + kZero + " ", "'x5.00000000000000E-0001'"},
      {"exponent alone", " E+ 3 4 " + kZero + " " + kZero + " ", "'E+'"},
      {"real out of range", " 1.0E+9999 3 4 " + kZero + " " + kZero + " ", "'1.0E+9999'"},
      {"coordinate out of range", kZero + " 3 2147483648 " + kZero + " " + kZero + " ", "'2147483648'"},
      {"number longer than 255", " " + std::string(300, '1') + " 3 4 " + kZero + " " + kZero + " ", "'" + std::string(40, '1') + "...'"},
  };
  for (const Case& c : cases) {
    const std::string bytes = "2\r\n" + line1 + "\r\n" + c.line2 + "\r\n";
    WriteBytes(QString::fromStdString(Path()), bytes);
    ASSERT_TRUE(JeSouborGrafu(Path())) << c.name;
    ZrusGraf();
    SetJmenoSouboru(Path());
    try {
      NactiGraf();
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EInOutError& e) {
      const std::string message = e.what();
      EXPECT_EQ(0u, message.find("Chyba vstupu/vystupu: ")) << message;
      EXPECT_NE(std::string::npos, message.find(Path())) << message;
      EXPECT_NE(std::string::npos, message.find(c.quoted)) << message;
    }
    ASSERT_EQ(2, graf.GetPocet()) << c.name;
    EXPECT_EQ(7, graf.GetX(1)) << c.name;
    EXPECT_EQ("first", graf.GetText(1)) << c.name;
  }
}

TEST_F(GraphFile, SaveReplacesTheOldFileAndKeepsItsPermissions) {
  WriteBytes(QString::fromStdString(Path()), "old contents");
  QFile::setPermissions(QString::fromStdString(Path()), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
  Build({{1.0, 2, 3, "new"}});
  SetJmenoSouboru(Path());
  EXPECT_EQ(0, UlozGraf());
  EXPECT_EQ("1\r\n 1.00000000000000E+0000 2 3 " + kZero + " new\r\n", ReadBytes(QString::fromStdString(Path())));
  EXPECT_EQ(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup,
            QFileInfo(QString::fromStdString(Path())).permissions() &
                (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  EXPECT_TRUE(Leftovers().isEmpty()) << Leftovers().join(' ').toStdString();
}

// A save that cannot be done reports an input/output error and leaves whatever was
// at the path as it was, with no temporary file beside it.
TEST_F(GraphFile, FailedSaveLeavesTheOldFileWhole) {
  WriteBytes(QString::fromStdString(Path()), "old contents");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.grf"));
  WriteBytes(dir.filePath("folder.grf/inside"), "x");
  struct Case {
    const char* name;
    std::string path;
    double hodnota;
  };
  const Case cases[] = {
      {"missing folder", Path("missing/g.grf"), 1.0},
      {"path names a folder", Path("folder.grf"), 1.0},
      {"path ends in a separator", Path("folder.grf") + "/", 1.0},
      {"empty name", "", 1.0},
      {"value that cannot be written", Path(), std::nan("")},
      {"infinite value", Path(), INFINITY},
  };
  for (const Case& c : cases) {
    Build({{c.hodnota, 2, 3, "new"}});
    SetJmenoSouboru(c.path);
    try {
      UlozGraf();
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EInOutError& e) {
      EXPECT_EQ(0u, std::string(e.what()).find("Chyba vstupu/vystupu: ")) << e.what();
    }
    EXPECT_EQ("old contents", ReadBytes(QString::fromStdString(Path()))) << c.name;
    EXPECT_EQ("x", ReadBytes(dir.filePath("folder.grf/inside"))) << c.name;
    EXPECT_EQ(QStringList{"folder.grf"}, Leftovers()) << c.name;
    EXPECT_EQ(QStringList{"inside"}, QDir(dir.filePath("folder.grf")).entryList(QDir::Files | QDir::Hidden)) << c.name;
  }
}

}  // namespace
