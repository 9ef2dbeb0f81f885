// Placeholder until the implementation lands.
#include "ui/toolkit/message_box.h"
