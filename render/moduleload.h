#pragma once
// Our writer modules (boardsmith-vector.so, boardsmith-png.so) are loaded on first use, so that a
// program that never writes such a picture never loads the libraries behind them. A module is
// looked for in the folder a caller set, else beside the running program (the build's run folder)
// or in ../lib/boardsmith/ (the installed layout).
#include <cstddef>
#include <cstdint>
#include <string>

// The module's entry point, loading the module once; null with a reason when it is missing or
// not one of ours. writer names the module to people ("the PNG writer"), needs says what cannot
// be written without it ("PNG pictures").
void *ModuleEntry(const char *module, const char *entry, const char *writer, const char *needs,
                  std::string *why);
// True once the module is loaded in this process.
bool ModuleLoaded(const char *module);
// Where to look for modules before the folders beside the running program (tests, tools).
void SetModuleFolder(const std::string &folder);
// The callback through which a module hands over its bytes: appends them to the std::string that
// context points to.
void AppendToString(void *context, const uint8_t *bytes, size_t count);
