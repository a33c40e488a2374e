#pragma once
// The templates of the nine game dialogs (part of the template table).
#include "res/DialogTemplate.h"

#include <vector>

namespace res {

std::vector<DialogTemplate> GameTemplates();

} // namespace res
