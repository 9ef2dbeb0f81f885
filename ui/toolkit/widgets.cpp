// Placeholder until the implementation lands.
#include "ui/toolkit/widgets.h"
