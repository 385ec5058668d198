// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Number conversions, errors and file-system services in the shape the windows and
// the graph files use them. Independent of Qt, so the file code can be fuzzed alone.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// An error that abandons the event handler in which it is raised; the application
// shows its text in the general error report and goes on.
class Exception : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A text that does not convert to a number.
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// A file that cannot be opened, read or written, or a file field that does not convert.
class EInOutError : public Exception {
public:
  using Exception::Exception;
};

// Decimal signed 32-bit integer, an optional '-' and digits (leading zeros allowed).
// Throws EConvertError naming the text.
int StrToInt(const std::string& text);

// Decimal real with '.' as the separator, whatever the user's locale; an exponent is
// written with 'E' or 'e'. Throws EConvertError naming the text, also for values
// beyond the range of a double.
double StrToFloat(const std::string& text);

std::string IntToStr(long long value);

// Shortest general form with at most 15 significant digits and '.' as the separator:
// 0, 2.5, -1, 12.75, 1E-6, 1.5E20. Fixed notation from 1E-5 up to 15 digits before
// the point, scientific notation otherwise.
std::string FloatToStr(double value);

// Paths inside the program are Windows-1250 texts; these convert them for the system.
std::filesystem::path SystemPath(const std::string& path);
std::string ProgramPath(const std::filesystem::path& path);

// True for an existing regular file (a directory is not a file).
bool FileExists(const std::string& path);

std::string GetCurrentDir();
