// Placeholder until the implementation lands.
#include "core/linkage.h"
