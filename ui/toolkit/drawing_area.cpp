// Placeholder until the implementation lands.
#include "ui/toolkit/drawing_area.h"
