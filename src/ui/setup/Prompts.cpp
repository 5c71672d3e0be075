#include "ui/setup/Prompts.h"

namespace tq::ui {

// Defined here so the interface's vtable lives in one object file.
Prompts::~Prompts() = default;

}  // namespace tq::ui
