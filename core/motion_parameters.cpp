// Placeholder until the implementation lands.
#include "core/motion_parameters.h"
