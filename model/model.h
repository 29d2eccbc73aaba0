#pragma once
// The diagram model: the diagram value, its picture settings, the colour themes and the presets.
#include "model/diagram.h"
#include "model/picturesettings.h"
#include "model/presets.h"
#include "model/themes.h"
