// Placeholder until the implementation lands.
#include "core/result_tables.h"
