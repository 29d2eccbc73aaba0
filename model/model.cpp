#include "model/model.h"

#include <chrono>
#include <filesystem>
#include <system_error>

// The eight colour themes: dark squares, light squares. Written once here; every thread's Dk and
// Lt start from them, and InitThemes copies them back.
#define THEME_DARK                                                    \
  {{151, 113, 81}, {101, 128, 128}, {192, 192, 192}, {151, 201, 255}, \
   {139, 201, 160}, {219, 167, 157}, {255, 201, 147}, {190, 190, 126}}
#define THEME_LIGHT                                                     \
  {{231, 208, 167}, {223, 223, 223}, {255, 255, 255}, {222, 254, 253}, \
   {235, 254, 177}, {244, 225, 223}, {255, 225, 196}, {219, 219, 183}}

namespace {
constexpr int16_t ThemeDark[NThemes][3] = THEME_DARK;
constexpr int16_t ThemeLight[NThemes][3] = THEME_LIGHT;
}  // namespace

thread_local constinit int32_t Pos[64] = {};
thread_local constinit int32_t Arr[MaxArrows][4] = {};
thread_local constinit int32_t NArrows = 0;
thread_local constinit int32_t Flipped = 0;
thread_local constinit int32_t SideToMove = 0;
thread_local constinit int32_t Castling = -1, EnPassant = -1, HalfMoves = 0, FullMoves = 1;
thread_local constinit int32_t Coords = 0;
thread_local constinit int32_t Dpi = 2;
thread_local constinit float PicSiz = 4.0f;
thread_local constinit int32_t Theme = 0;
thread_local constinit int16_t Dk[NThemes][3] = THEME_DARK;
thread_local constinit int16_t Lt[NThemes][3] = THEME_LIGHT;

int32_t ShowCoords = 2;
int32_t SelPiece = 1;
char ArrowStarted = 0;
std::string StartFolder;

uint32_t TickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

uint32_t ThemeColour(const int16_t rgb[3]) {
  return (rgb[0] & 0xFF) | (rgb[1] & 0xFF) << 8 | (rgb[2] & 0xFF) << 16;
}

void InitThemes() {
  for (int t = 0; t < NThemes; t++)
    for (int k = 0; k < 3; k++) {
      Dk[t][k] = ThemeDark[t][k];
      Lt[t][k] = ThemeLight[t][k];
    }
}

void Init() {
  StartPosition(nullptr);
  InitThemes();
  Theme = static_cast<int32_t>(TickCount() & 7);
  std::error_code ec;
  StartFolder = std::filesystem::current_path(ec).string();
  // The defaults of the remembered settings; start-up then reads the preferences file.
  ShowCoords = 2;
  Dpi = 2;
  PicSiz = 4.0f;
}
