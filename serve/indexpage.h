#pragma once
// The service's front page: a form that builds a diagram's URL from a FEN and shows the picture.
#include <string>

std::string IndexPage();
