// PNG output shared by the replayer and the asset tools.
#pragma once

#include <cstdint>
#include <string>

// Writes 8-bit RGB rows, row 0 first, with no time stamp or other chunk that
// could change between runs. Returns "" or what went wrong.
std::string writepng(const std::string& path, int width, int height, const uint8_t* rgb);
