// Placeholder until the implementation lands.
#include "core/lenient_number.h"
