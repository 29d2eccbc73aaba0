// The responder behind message boxes and file dialogs: a person through the Qt dialogs, unless
// another responder has been installed (a test build installs its script).
#include <cstring>

#include "platform/internal.h"

// The Qt dialogs (dialogs.cpp).
int AskPerson(HWND owner, const QString &text, const QString &caption, UINT type);
bool AskPersonForFile(bool save, OPENFILENAME *ofn, const QStringList &filters);

std::vector<std::string> FilterTexts(const char *filter) {
  std::vector<std::string> texts;
  if (!filter) return texts;
  const char *p = filter;
  for (int i = 0; i < 64 && *p; i++) {
    size_t n = strnlen(p, 1024);
    texts.emplace_back(p, n);
    p += n + 1;
  }
  return texts;
}

namespace {
Responder *Installed = nullptr;

bool FileDialog(bool save, OPENFILENAME *ofn) {
  if (!ofn) return false;
  if (Installed) return Installed->File(save, ofn);
  QStringList filters;
  std::vector<std::string> texts = FilterTexts(ofn->lpstrFilter);
  for (size_t i = 0; i + 1 < texts.size(); i += 2) {
    QString text = QString::fromLocal8Bit(texts[i].c_str());
    QString pattern = QString::fromLocal8Bit(texts[i + 1].c_str()).replace(';', ' ');
    filters << (text.endsWith("(" + pattern + ")") ? text : text + " (" + pattern + ")");
  }
  return AskPersonForFile(save, ofn, filters);
}
}  // namespace

void InstallResponder(Responder *responder) { Installed = responder; }

int MessageBox(HWND owner, const char *text, const char *caption, UINT type) {
  if (Installed) return Installed->Box(owner, text, caption, type);
  return AskPerson(owner, TextOf(text), TextOf(caption), type);
}

bool GetSaveFileName(OPENFILENAME *ofn) { return FileDialog(true, ofn); }
bool GetOpenFileName(OPENFILENAME *ofn) { return FileDialog(false, ofn); }
