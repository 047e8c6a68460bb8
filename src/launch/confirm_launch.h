#pragma once
// The question before many items are launched at once.
#include "core/app.h"

namespace velmarin {

// Before `count` items are launched together: with more than MaxMultiExecute the user is asked
// whether to open them. True to go on (no question needed, or OK); false on Cancel.
bool ConfirmMultiExecute(App& app, int count);

}  // namespace velmarin
