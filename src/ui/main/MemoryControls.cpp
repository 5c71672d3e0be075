#include "ui/main/MemoryControls.h"
