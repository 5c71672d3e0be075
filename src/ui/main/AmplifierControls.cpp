#include "ui/main/AmplifierControls.h"
