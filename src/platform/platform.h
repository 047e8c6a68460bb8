#pragma once
// The services the app logic uses, one pointer per area. The backend fills them in; the app
// logic never owns them. A missing service (nullptr) makes the steps that need it do nothing.
#include "platform/apps_folder.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "platform/run_list.h"
#include "platform/screen.h"
#include "platform/shelf_list.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/text.h"

namespace velmarin {

struct Platform {
  IFiles* files = nullptr;
  IText* text = nullptr;
  IMessageBox* messageBox = nullptr;
  IRunList* runList = nullptr;
  IShelfList* shelf = nullptr;
  IScreen* screen = nullptr;
  IShell* shell = nullptr;
  ISystem* system = nullptr;
  IControls* controls = nullptr;
  IPopupMenu* popupMenu = nullptr;
  IDesktop* desktop = nullptr;
  IClipboard* clipboard = nullptr;
  // The dialog windows and the common pickers.
  IDialogHost* dialogs = nullptr;
  // The reader of the Start menu's programs and apps, on its own thread.
  IProgramReader* programReader = nullptr;
};

}  // namespace velmarin
