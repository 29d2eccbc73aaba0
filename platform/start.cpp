// Start-up of the window services, and the tick count.
#include <QApplication>
#include <QScreen>
#include <ctime>

#include "platform/internal.h"

void PlatformStart(int argc, char **argv) {
  if (QApplication::instance()) return;
  // The client areas are drawn pixel for pixel: the program scales the board by whole factors
  // itself (ScreenScale), which stays sharp where the window services' scaling would blur.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  // QApplication keeps a reference to argc and the argv array for its whole life.
  static int Argc;
  static char Name[] = "boardsmith";
  static char *DefaultArgv[] = {Name, nullptr};
  Argc = argv && argc > 0 ? argc : 1;
  static QApplication *App = new QApplication(Argc, argv && argc > 0 ? argv : DefaultArgv);
  App->setQuitOnLastWindowClosed(false);
  // The desktop matches the windows to boardsmith.desktop, and so to its name and icon.
  QGuiApplication::setDesktopFileName("boardsmith");
}

int ScreenScale() {
  QScreen *screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  int scale = qRound(screen->logicalDotsPerInch() / 96.0);
  return std::clamp(scale, 1, 4);
}

uint32_t GetTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}
