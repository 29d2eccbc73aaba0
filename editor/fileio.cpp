// Placeholder: the file commands land with the save and open work.
#include "editor/editor.h"

void FileIO(HWND, int) {}
void SaveBMP(HWND) {}
void SaveHTM() {}
void OpenBRDFile(HWND) {}
