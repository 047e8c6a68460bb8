#include "launch/confirm_launch.h"

#include <string>

namespace velmarin {

bool ConfirmMultiExecute(App& app, int count) {
  if (count <= app.model.settings.MaxMultiExecute) return true;
  IMessageBox* box = app.platform.messageBox;
  // Without a way to ask, nothing that needed asking is launched.
  if (!box) return false;
  const std::string text = "これら " + std::to_string(count) + " 個のファイルを開きますか？";
  return box->Show(text, "起動の確認", MbButtons::OkCancel, MbIcon::Question) == MbResult::Ok;
}

}  // namespace velmarin
