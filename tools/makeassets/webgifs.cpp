// Placeholder: the web-page images land with the save commands.
#include "tools/makeassets/assets.h"

bool WriteWebGifs(const std::string &) { return true; }
