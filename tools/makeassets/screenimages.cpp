// Placeholder: the screen images land with the desktop editor.
#include "tools/makeassets/assets.h"

bool WriteScreenImages(const std::string &) { return true; }
