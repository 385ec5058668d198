// Checks before conversion: is a file a graph file, is a text a number of a kind.
#pragma once

#include <cstdint>
#include <string>

// True when the lines of the existing file s have the exact structure the writer
// produces (vertex count line, then one line per vertex with one blank after each
// field). Vertex counts above 15 are not graph files.
bool JeSouborGrafu(const std::string& s);

// 0 valid, 1 empty, 2 a character not allowed for the kind: 'r' real, 'i' signed
// integer, anything else unsigned integer.
std::uint8_t KontrolaCisla(const std::string& s, char k);
