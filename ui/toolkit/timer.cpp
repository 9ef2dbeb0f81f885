// Placeholder until the implementation lands.
#include "ui/toolkit/timer.h"
