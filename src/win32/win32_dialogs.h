#pragma once
// The dialogs' windows and the common pickers: the file dialog, the shell's icon picker and the
// colour chooser.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/dialogs.h"
#include "win32/dialog_window.h"

namespace velmarin::win32 {

class Win32DialogHost final : public IDialogHost {
 public:
  Win32DialogHost() = default;
  ~Win32DialogHost() override;
  void SetOwner(HWND owner) { owner_ = owner; }

  void ShowModal(IDialog& dialog) override;
  void ShowModeless(std::unique_ptr<IDialog> dialog) override;
  std::optional<std::string> PickFile(const std::string& filter, const std::string& title) override;
  std::optional<IconChoice> PickIcon(const std::string& file, int index) override;
  std::optional<int32_t> PickColor(int32_t initial) override;
  std::string SystemFolder() override;

  // Lets an open modeless dialog take its keys (Tab, Enter, Escape); true when it did.
  bool PreTranslate(MSG& msg);
  // The modal dialog in front of the others; nullptr when none is open.
  HWND InnermostDialog() const;

 private:
  HWND Owner() const;
  void DropClosed();

  struct Modeless {
    std::unique_ptr<IDialog> dialog;
    std::unique_ptr<DialogWindow> window;
  };
  HWND owner_ = nullptr;
  std::vector<HWND> open_;  // the modal dialogs' windows, innermost last
  std::vector<Modeless> modeless_;
};

}  // namespace velmarin::win32
