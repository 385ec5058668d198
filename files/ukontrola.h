// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Checks before conversion: is a file a graph file, is a text a number of a kind.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

// Longest number text that is examined; the rest of a longer text is not looked at.
constexpr std::size_t kDelkaCisla = 255;

// True when the lines of the file s have the exact structure the writer produces
// (vertex count line, then one line per vertex with one blank after each field).
// Lines may end in CR LF, a lone LF or a lone CR. Vertex counts above 15 are not
// graph files. A missing or unreadable file, or a directory, is not a graph file.
// The file is read as a stream: a huge line or a binary file costs no memory.
bool JeSouborGrafu(const std::string& s);

// 0 valid, 1 empty, 2 a character not allowed for the kind: 'r' real, 'i' signed
// integer, anything else unsigned integer. A text longer than 255 characters is
// judged by its first 255 alone, as if it were cut there (an 'E' at position 255
// has no sign after it).
std::uint8_t KontrolaCisla(const std::string& s, char k);

// A graph file read byte by byte in bounded memory, shared by the check and the
// reader so that both see the same lines. Every line end (CR LF, a lone LF or a
// lone CR) comes out as one '\n'; the end of the file, and a read failure, as -1.
class tcteni {
public:
  explicit tcteni(const std::string& cesta);

  bool Otevren() const { return soubor.is_open(); }
  // The next byte without taking it.
  int Nahled();
  int Znak();
  // Takes the bytes of a field, up to the next blank, line end or the end of the
  // file, which stays unread; but at most kDelkaCisla + 1 of them, so that a
  // longer field shows by its size and the rest of it stays unread too.
  std::string Pole();
  // Takes what is left of the current field.
  void PreskocPole();
  // Takes the rest of the line with its line end.
  void PreskocRadek();

private:
  std::filebuf soubor;
};
