#include "files/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

thread_local std::string BMPFile;
thread_local std::string HTMFile;
thread_local std::string BRDFile;
thread_local constinit char VClip = 0;

std::string ClipBMPPath() {
  const char *home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd *pw = getpwuid(getuid());
    home = pw ? pw->pw_dir : "/tmp";
  }
  std::string folder = home;
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder + "/clip.bmp";
}
