#include "ui/main/VfoControls.h"
