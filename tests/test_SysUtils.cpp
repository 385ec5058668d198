// Number texts that never depend on the locale, and the Windows-1250 code page.
#include "platform/SysUtils.h"

#include "platform/Cp1250.h"

#include <clocale>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Shown {
  const char* name;
  double value;
  std::string text;
};

struct Read {
  const char* text;
  bool converts;
  double value;
};

// Every conversion of the program, checked under whatever C locale is set.
void ExpectLocaleFreeConversions() {
  const Shown shown[] = {
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"two and a half", 2.5, "2.5"},
      {"minus one", -1.0, "-1"},
      {"twelve and three quarters", 12.75, "12.75"},
      {"negative fraction", -0.5, "-0.5"},
      {"a millionth", 1e-6, "1E-6"},
      {"smallest fixed", 0.00001, "0.00001"},
      {"small fixed", 0.000012345, "0.000012345"},
      {"fifteen digits", 123456789012345.0, "123456789012345"},
      {"sixteen digits", 1e15, "1E15"},
      {"sixteen digits rounded", 1234567890123456.0, "1.23456789012346E15"},
      {"binary noise hidden", 0.1 + 0.2, "0.3"},
      {"huge", 1e300, "1E300"},
      {"smallest subnormal", 5e-324, "4.94065645841247E-324"},
  };
  for (const Shown& s : shown) EXPECT_EQ(s.text, FloatToStr(s.value)) << s.name;

  const Read reals[] = {
      {"2.5", true, 2.5},    {"-0.125", true, -0.125}, {"1.25E+0001", true, 12.5}, {"5e-1", true, 0.5},
      {"007", true, 7.0},    {".5", true, 0.5},        {".", false, 0},            {"-", false, 0},
      {"", false, 0},        {"1E+", false, 0},        {"E+", false, 0},           {"2,5", false, 0},
      {"+1", false, 0},      {" 1", false, 0},         {"1 ", false, 0},           {"1E+9999", false, 0},
      {"nan", false, 0},     {"inf", false, 0},
  };
  for (const Read& r : reals) {
    if (!r.converts) {
      EXPECT_THROW(StrToFloat(r.text), EConvertError) << r.text;
      continue;
    }
    EXPECT_EQ(r.value, StrToFloat(r.text)) << r.text;
  }

  const Read integers[] = {
      {"007", true, 7},           {"-2147483648", true, -2147483648.0}, {"2147483647", true, 2147483647},
      {"-0", true, 0},            {"2147483648", false, 0},             {"-2147483649", false, 0},
      {"99999999999999999999", false, 0}, {"", false, 0},               {"-", false, 0},
      {"1.0", false, 0},          {"+1", false, 0},                     {" 1", false, 0},
  };
  for (const Read& r : integers) {
    if (!r.converts) {
      EXPECT_THROW(StrToInt(r.text), EConvertError) << r.text;
      continue;
    }
    EXPECT_EQ(r.value, StrToInt(r.text)) << r.text;
  }
  EXPECT_EQ("-2147483648", IntToStr(-2147483648LL));
}

TEST(SysUtils, NumberTextsUseTheDotAndFifteenDigits) {
  ExpectLocaleFreeConversions();
}

TEST(SysUtils, CzechLocaleChangesNoNumberText) {
  struct Restore {
    std::string locale = std::setlocale(LC_ALL, nullptr);
    ~Restore() { std::setlocale(LC_ALL, locale.c_str()); }
  } restore;
  if (!std::setlocale(LC_ALL, "cs_CZ.UTF-8")) GTEST_SKIP() << "no Czech locale on this machine";
  ASSERT_STREQ(",", std::localeconv()->decimal_point);
  ExpectLocaleFreeConversions();
}

TEST(SysUtils, ConversionErrorsNameTheText) {
  try {
    StrToFloat("3,5");
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_NE(std::string::npos, std::string(e.what()).find("'3,5'")) << e.what();
  }
}

TEST(Cp1250, EveryByteSurvivesATripThroughUnicode) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string text(1, char(byte));
    EXPECT_EQ(text, Utf8ToCp1250(Cp1250ToUtf8(text))) << byte;
  }
  const std::string czech = "P\xF8\xED\x9A" "e\xE8n\xFD k\xF9\xF2 \xDA\xDC\x8A\x8E\x9D";
  EXPECT_EQ("Příšečný kůň ÚÜŠŽť", Cp1250ToUtf8(czech));
  EXPECT_EQ(czech, Utf8ToCp1250("Příšečný kůň ÚÜŠŽť"));
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  struct Case {
    const char* name;
    std::string utf8;
    std::string cp1250;
  };
  const Case cases[] = {
      {"r with caron", "ř", "\xF8"},
      {"euro sign", "€", "\x80"},
      {"Cyrillic", "aжb", "a?b"},
      {"emoji", "a😀b", "a?b"},
      {"cut sequence", "a\xC5", "a?"},
      {"stray continuation byte", "a\x99" "b", "a?b"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.cp1250, Utf8ToCp1250(c.utf8)) << c.name;
}

}  // namespace
