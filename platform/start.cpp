// Start-up of the window services, and the tick count.
#include <QApplication>
#include <ctime>

#include "platform/internal.h"

void PlatformStart(int argc, char **argv) {
  if (QApplication::instance()) return;
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

uint32_t GetTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}
