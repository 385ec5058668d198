// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// The number check, the number texts and the code page; the file check is tested with the reader.
#include "files/ukontrola.h"

#include "platform/Cp1250.h"
#include "platform/SysUtils.h"

#include <optional>

#include <gtest/gtest.h>

namespace {

TEST(KontrolaCisla, ClassifiesNumberTextsByKind) {
  const struct { const char* name; std::string text; char kind; int expected; } cases[] = {
      {"empty", "", 'r', 1}, {"unsigned", "12", 'b', 0}, {"minus in unsigned", "-12", 'b', 2}, {"real", "3.25", 'r', 0},
      {"negative integer", "-12", 'i', 0}, {"minus inside", "1-2", 'i', 2}, {"two dots", "3.2.5", 'r', 2},
      {"lone dot", ".", 'r', 0}, {"comma", "3,5", 'r', 2}, {"exponent", "1.25E+0001", 'r', 0},
      {"negative exponent", "5E-1", 'r', 0}, {"exponent without sign", "1E5", 'r', 2}, {"lower-case e", "1e+5", 'r', 2},
      {"second exponent", "1E+5E+5", 'r', 2}, {"dot after exponent", "1E+5.5", 'r', 0},
      {"256th unseen", std::string(255, '1') + "x", 'b', 0}, {"cut exponent", std::string(254, '1') + "E+5", 'r', 2},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, KontrolaCisla(c.text, c.kind)) << c.name;
}

TEST(SysUtils, NumberTextsUseTheDotAndFifteenDigits) {
  const std::pair<double, const char*> shown[] = {{-1.0, "-1"}, {12.75, "12.75"}, {1e-6, "1E-6"}, {0.00001, "0.00001"},
      {123456789012345.0, "123456789012345"}, {1e15, "1E15"}, {1234567890123456.0, "1.23456789012346E15"}};
  for (const auto& [value, text] : shown) EXPECT_EQ(text, FloatToStr(value)) << value;
  const struct { const char* text; bool integer; std::optional<double> value; } read[] = {
      {"3.33333333333333E-0001", false, 0.333333333333333}, {".", false, {}}, {"2,5", false, {}}, {" 1", false, {}},
      {"1E+9999", false, {}}, {"nan", false, {}}, {"-2147483648", true, -2147483648.0}, {"2147483648", true, {}},
      {"-", true, {}}, {"1.0", true, {}}};
  for (const auto& r : read) {
    try {
      EXPECT_EQ(r.value, r.integer ? StrToInt(r.text) : StrToFloat(r.text)) << r.text;
    } catch (const EConvertError& e) {
      EXPECT_FALSE(r.value) << r.text;
      EXPECT_NE(std::string::npos, std::string(e.what()).find("'" + std::string(r.text) + "'")) << e.what();
    }
  }
}

// A Latin-1 table would survive the round trip too; the Czech letters show it is the right one.
TEST(Cp1250, EveryByteSurvivesATripThroughUnicode) {
  for (int byte = 0; byte < 256; ++byte)
    EXPECT_EQ(std::string(1, char(byte)), Utf8ToCp1250(Cp1250ToUtf8(std::string(1, char(byte))))) << byte;
  EXPECT_EQ("Příšečný kůň ÚÜŠŽť €", Cp1250ToUtf8("P\xF8\xED\x9A" "e\xE8n\xFD k\xF9\xF2 \xDA\xDC\x8A\x8E\x9D \x80"));
  EXPECT_EQ("a?b?c?", Utf8ToCp1250("aжb😀c\xC5")) << "outside the code page, and a cut sequence";
}

}  // namespace
