// Placeholder until the implementation lands.
#include "ui/toolkit/input_box.h"
