// The Qt dialogs that ask a person: message boxes and the save and open dialogs.
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <cstring>

#include "platform/internal.h"

namespace {

QWidget *OwnerWidget(HWND owner) {
  Window *w = LiveWindow(owner);
  QWidget *widget = w ? w->Widget() : nullptr;
  return widget ? widget->window() : nullptr;
}

}  // namespace

int AskPerson(HWND owner, const QString &text, const QString &caption, UINT type) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  if ((type & 0xF0) == MB_ICONEXCLAMATION)
    icon = QMessageBox::Warning;
  else if ((type & 0xF0) == MB_ICONQUESTION)
    icon = QMessageBox::Question;
  // The buttons of the type, the one Escape presses, and the answer of each.
  struct Answer {
    QMessageBox::StandardButton button;
    int id;
  };
  std::vector<Answer> answers = {{QMessageBox::Ok, IDOK}};
  if ((type & 0xF) == MB_YESNO) answers = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
  if ((type & 0xF) == MB_SAVEDISCARDCANCEL)
    answers = {{QMessageBox::Save, IDYES}, {QMessageBox::Discard, IDNO},
               {QMessageBox::Cancel, IDCANCEL}};
  QMessageBox::StandardButtons buttons;
  for (const Answer &a : answers) buttons |= a.button;
  QMessageBox box(icon, caption, text, buttons, OwnerWidget(owner));
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(answers.back().button);
  int pressed = box.exec();
  for (const Answer &a : answers)
    if (pressed == a.button) return a.id;
  return answers.back().id;
}

bool AskPersonForFile(bool save, OPENFILENAME *ofn, const QStringList &filters) {
  QString offered;
  if (ofn->lpstrFile && ofn->nMaxFile > 0)
    offered = QString::fromLocal8Bit(ofn->lpstrFile,
                                     static_cast<int>(strnlen(ofn->lpstrFile, ofn->nMaxFile)));
  QString folder = ofn->lpstrInitialDir ? QString::fromLocal8Bit(ofn->lpstrInitialDir) : QString();
  QFileInfo info(offered);
  if (!offered.isEmpty() && info.isAbsolute()) {
    folder = info.absolutePath();
    offered = info.fileName();
  }
  QFileDialog dialog(OwnerWidget(ofn->hwndOwner), save ? "Save As" : "Open", folder);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!save && (ofn->Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                : QFileDialog::AnyFile);
  if (!(ofn->Flags & OFN_OVERWRITEPROMPT)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    int offeredFilter = static_cast<int>(ofn->nFilterIndex);
    if (offeredFilter >= 1 && offeredFilter <= filters.size())
      dialog.selectNameFilter(filters[offeredFilter - 1]);
  }
  if (ofn->lpstrDefExt && *ofn->lpstrDefExt)
    dialog.setDefaultSuffix(QString::fromLocal8Bit(ofn->lpstrDefExt));
  if (!offered.isEmpty()) dialog.selectFile(offered);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  if (int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())); chosen >= 0)
    ofn->nFilterIndex = static_cast<uint32_t>(chosen + 1);
  QByteArray path = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath().toLocal8Bit();
  if (!ofn->lpstrFile || static_cast<uint32_t>(path.size()) + 1 > ofn->nMaxFile) return false;
  std::memcpy(ofn->lpstrFile, path.constData(), static_cast<size_t>(path.size()) + 1);
  return true;
}
