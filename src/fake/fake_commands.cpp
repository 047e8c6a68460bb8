#include "fake/fake_commands.h"

namespace velmarin {

void FakeCommands::PageChange(int32_t page, bool forceFlg, bool byHFlg) {
  Log("PageChange(" + std::to_string(page) + "," + (forceFlg ? "1" : "0") + "," +
      (byHFlg ? "1" : "0") + ")");
}

void FakeCommands::SkinPaint(ControlId control, int margin) {
  Log("SkinPaint(" + std::to_string(static_cast<int>(control.kind)) + ":" +
      std::to_string(control.index) + "," + std::to_string(margin) + ")");
}

bool FakeCommands::RegisterAppHotKey(const std::string& atomName, int32_t modifiers, int32_t key) {
  Log("RegisterAppHotKey(" + atomName + "," + std::to_string(modifiers) + "," +
      std::to_string(key) + ")");
  return hotKeyAccepted;
}

}  // namespace velmarin
