// The classic page shows its diagram with the images of a gifs/ folder beside it. Saving a page
// copies the program's gifs/ there when the page's folder has none: into a temporary folder
// first, renamed into place when whole, so that a copy cut short never passes for the folder.
// When it cannot be copied a box says so, and where the images are.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "editor/editor.h"
#include "files/paths.h"

namespace {
namespace fs = std::filesystem;

// Copies the files of source into a new folder target; false with the reason when it could not.
bool CopyFolder(const fs::path &source, const fs::path &target, std::string *why) {
  std::string name = (target.parent_path() / ".gifs-XXXXXX").string();
  if (!mkdtemp(name.data())) {
    *why = std::error_code(errno, std::generic_category()).message();
    return false;
  }
  const fs::path temporary = name;
  std::error_code ec;
  fs::copy(source, temporary, fs::copy_options::recursive, ec);
  if (!ec) fs::rename(temporary, target, ec);
  if (!ec) return true;
  *why = ec.message();
  fs::remove_all(temporary, ec);
  return false;
}
}  // namespace

void CopyGifsBeside(const std::string &pagePath) {
  fs::path folder = fs::path(pagePath).parent_path();
  if (folder.empty()) folder = ".";
  const fs::path target = folder / "gifs";
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec))) return;  // whatever is there is the user's
  const fs::path source = DataPath(Editor().StartFolder, "gifs");
  std::string why;
  if (CopyFolder(source, target, &why)) {
    HDC hdc = GetDC(MainWnd);
    Scribe(hdc, ("The page's images were copied to " + target.string()).c_str());
    ReleaseDC(MainWnd, hdc);
    return;
  }
  std::string text = "The page shows its diagram only with the gifs folder beside it, which could "
                     "not be copied to " + target.string() + ":\n" + why + "\nCopy " +
                     source.string() + " there.";
  MessageBox(MainWnd, text.c_str(), "Web page images", MB_OK | MB_ICONEXCLAMATION);
}
