#pragma once
// The eight colour themes: red, green, blue of the dark and the light squares.
#include <cstdint>

constexpr int NThemes = 8;

constexpr uint8_t Dk[NThemes][3] = {{151, 113, 81},  {101, 128, 128}, {192, 192, 192},
                                    {151, 201, 255}, {139, 201, 160}, {219, 167, 157},
                                    {255, 201, 147}, {190, 190, 126}};
constexpr uint8_t Lt[NThemes][3] = {{231, 208, 167}, {223, 223, 223}, {255, 255, 255},
                                    {222, 254, 253}, {235, 254, 177}, {244, 225, 223},
                                    {255, 225, 196}, {219, 219, 183}};

// The themes' names, as the editor's Colours menu shows them; each has its own first letter.
constexpr const char *ThemeNames[NThemes] = {"Walnut", "Slate", "Paper",   "Ocean",
                                             "Meadow", "Rose",  "Apricot", "Khaki"};

// A theme colour as a platform colour value red + green*256 + blue*65536.
constexpr uint32_t ThemeColour(const uint8_t rgb[3]) {
  return rgb[0] | rgb[1] << 8 | static_cast<uint32_t>(rgb[2]) << 16;
}
