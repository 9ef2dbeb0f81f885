// Placeholder until the implementation lands.
#include "ui/toolkit/fonts.h"
