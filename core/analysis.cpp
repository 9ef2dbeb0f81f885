// Placeholder until the implementation lands.
#include "core/analysis.h"
