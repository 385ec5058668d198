// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Conversions never consult the C locale: a Czech desktop (decimal comma) must read
// and write exactly the same numbers as any other.
#include "platform/SysUtils.h"

#include "platform/Cp1250.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

[[noreturn]] void NotAnInteger(const std::string& text) {
  throw EConvertError("'" + text + "' neni platne cele cislo");
}

[[noreturn]] void NotAReal(const std::string& text) {
  throw EConvertError("'" + text + "' neni platne realne cislo");
}

}  // namespace

int StrToInt(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  bool negative = false;
  if (first != last && *first == '-') {
    negative = true;
    ++first;
  }
  if (first == last) NotAnInteger(text);
  long long value = 0;
  for (const char* p = first; p != last; ++p) {
    if (*p < '0' || *p > '9') NotAnInteger(text);
    value = value * 10 + (*p - '0');
    if (value > 2147483648LL) NotAnInteger(text);
  }
  if (negative) value = -value;
  if (value > 2147483647LL) NotAnInteger(text);
  return int(value);
}

double StrToFloat(const std::string& text) {
  std::string normal = text;
  for (char& c : normal)
    if (c == 'e') c = 'E';
  if (normal.empty() || normal[0] == '+') NotAReal(text);
  double value = 0.0;
  const char* last = normal.data() + normal.size();
  const auto [end, error] = std::from_chars(normal.data(), last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) NotAReal(text);
  return value;
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return "0";

  // 15 significant digits, rounded once; the exponent is the one after rounding.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
  const std::string scientific(buffer, result.ptr);
  const std::size_t e = scientific.find('e');
  std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (exponent < -5 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
    return out;
  }
  if (exponent < 0) return out + "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
  const std::size_t whole = std::size_t(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

std::filesystem::path SystemPath(const std::string& path) {
  return std::filesystem::u8path(Cp1250ToUtf8(path));
}

std::string ProgramPath(const std::filesystem::path& path) {
  return Utf8ToCp1250(path.u8string());
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  return std::filesystem::is_regular_file(SystemPath(path), error);
}

std::string GetCurrentDir() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string() : ProgramPath(current);
}
