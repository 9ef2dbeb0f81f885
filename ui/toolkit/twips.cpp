// Placeholder until the implementation lands.
#include "ui/toolkit/twips.h"
