// Placeholder until the implementation lands.
#include "core/number_text.h"
