// The state that all windows share: the linkage parameters and the result tables of the last run.
#pragma once

#include "core/linkage.h"
#include "core/result_tables.h"

namespace fourbar {

struct SharedState {
    LinkageState linkage;
    ResultTables tables;
};

}  // namespace fourbar
