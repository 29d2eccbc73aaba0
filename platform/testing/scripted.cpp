// The scripted responder of the tests: records every message box and file dialog and answers it
// from the script without opening anything.
#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "platform/internal.h"
#include "platform/testing/testing.h"

namespace {

std::deque<int> BoxAnswers;
struct FileAnswer {
  std::string path;
  uint32_t filterIndex;
};
std::deque<FileAnswer> FileAnswers;
std::vector<BoxRecord> Boxes;
std::vector<FileDialogRecord> FileDialogs;

int ScriptedBox(HWND owner, const char *text, const char *caption, UINT type) {
  Boxes.push_back(BoxRecord{owner, text ? text : "", caption ? caption : "", type});
  if (BoxAnswers.empty())
    return (type & 0xF) == MB_YESNO ? IDNO : (type & 0xF) == MB_SAVEDISCARDCANCEL ? IDCANCEL : IDOK;
  int answer = BoxAnswers.front();
  BoxAnswers.pop_front();
  return answer;
}

// The folder a bare typed name lands in: the folder of the offered path, else the initial
// folder, else the current one.
QString DialogFolder(const OPENFILENAME *ofn) {
  QString offered = QString::fromLocal8Bit(ofn->lpstrFile ? ofn->lpstrFile : "");
  QFileInfo info(offered);
  if (!offered.isEmpty() && info.isAbsolute()) return info.absolutePath();
  if (ofn->lpstrInitialDir && *ofn->lpstrInitialDir)
    return QString::fromLocal8Bit(ofn->lpstrInitialDir);
  return QDir::currentPath();
}

bool ScriptedFile(bool save, OPENFILENAME *ofn) {
  std::string filter;
  for (const std::string &t : FilterTexts(ofn->lpstrFilter)) filter += (filter.empty() ? "" : "|") + t;
  std::string offered;
  if (ofn->lpstrFile && ofn->nMaxFile > 0)
    offered.assign(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile));
  FileDialogs.push_back(FileDialogRecord{save, ofn->hwndOwner, filter, offered,
                                         ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "",
                                         ofn->lpstrDefExt ? ofn->lpstrDefExt : "", ofn->Flags,
                                         ofn->nFilterIndex});
  if (FileAnswers.empty()) return false;
  QString path = QString::fromStdString(FileAnswers.front().path);
  if (FileAnswers.front().filterIndex) ofn->nFilterIndex = FileAnswers.front().filterIndex;
  FileAnswers.pop_front();
  if (path.isEmpty()) return false;
  QFileInfo info(path);
  if (info.isRelative()) info = QFileInfo(QDir(DialogFolder(ofn)), path);
  path = QDir::cleanPath(info.absoluteFilePath());
  if (ofn->lpstrDefExt && *ofn->lpstrDefExt && !QFileInfo(path).fileName().contains('.'))
    path += "." + QString::fromLocal8Bit(ofn->lpstrDefExt);
  if (save && (ofn->Flags & OFN_OVERWRITEPROMPT) && QFileInfo::exists(path)) {
    std::string question = QFileInfo(path).fileName().toStdString() +
                           " already exists.\nDo you want to replace it?";
    if (ScriptedBox(ofn->hwndOwner, question.c_str(), "Confirm Save As",
                    MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
      return false;
  }
  QByteArray bytes = path.toLocal8Bit();
  if (!ofn->lpstrFile || static_cast<uint32_t>(bytes.size()) + 1 > ofn->nMaxFile) return false;
  std::memcpy(ofn->lpstrFile, bytes.constData(), static_cast<size_t>(bytes.size()) + 1);
  return true;
}

struct Script : Responder {
  int Box(HWND owner, const char *text, const char *caption, UINT type) override {
    return ScriptedBox(owner, text, caption, type);
  }
  bool File(bool save, OPENFILENAME *ofn) override { return ScriptedFile(save, ofn); }
};
Script TheScript;

}  // namespace

void UseScriptedResponder() { InstallResponder(&TheScript); }
void ScriptBoxAnswer(int answer) { BoxAnswers.push_back(answer); }
void ScriptFileAnswer(const std::string &path, uint32_t filterIndex) {
  FileAnswers.push_back(FileAnswer{path, filterIndex});
}
const std::vector<BoxRecord> &RecordedBoxes() { return Boxes; }
const std::vector<FileDialogRecord> &RecordedFileDialogs() { return FileDialogs; }

void ClearRecords() {
  Boxes.clear();
  FileDialogs.clear();
}

void ResetScript() {
  BoxAnswers.clear();
  FileAnswers.clear();
  ClearRecords();
}
