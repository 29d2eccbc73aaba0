// The responder behind message boxes and file dialogs: a person through the Qt dialogs, or the
// script of a test, which records every question and answers it without opening anything.
#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "platform/internal.h"
#include "platform/testing.h"

// The Qt dialogs (dialogs.cpp).
int AskPerson(HWND owner, const QString &text, const QString &caption, UINT type);
bool AskPersonForFile(bool save, OPENFILENAME *ofn, const QStringList &filters);

namespace {

bool Scripted = false;
std::deque<int> BoxAnswers;
struct FileAnswer {
  std::string path;
  uint32_t filterIndex;
};
std::deque<FileAnswer> FileAnswers;
std::vector<BoxRecord> Boxes;
std::vector<FileDialogRecord> FileDialogs;

// The filter pairs of a dialog record: "text\0pattern\0...\0\0", read with a bound.
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

int ScriptedBox(HWND owner, const char *text, const char *caption, UINT type) {
  Boxes.push_back(BoxRecord{owner, text ? text : "", caption ? caption : "", type});
  if (BoxAnswers.empty()) return (type & 0xF) == MB_YESNO ? IDNO : IDOK;
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

bool FileDialog(bool save, OPENFILENAME *ofn) {
  if (!ofn) return false;
  if (Scripted) return ScriptedFile(save, ofn);
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

int MessageBox(HWND owner, const char *text, const char *caption, UINT type) {
  if (Scripted) return ScriptedBox(owner, text, caption, type);
  return AskPerson(owner, TextOf(text), TextOf(caption), type);
}

bool GetSaveFileName(OPENFILENAME *ofn) { return FileDialog(true, ofn); }
bool GetOpenFileName(OPENFILENAME *ofn) { return FileDialog(false, ofn); }

void UseScriptedResponder() { Scripted = true; }
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

void ResetResponder() {
  BoxAnswers.clear();
  FileAnswers.clear();
  ClearRecords();
}
