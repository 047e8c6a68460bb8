#pragma once
// Commands into parts of the program that sit above the caller (a launch that switches pages or
// ends the program) or that are not built yet. The program wires the real ones in at start-up; a
// test wires a recorder. Everything else is called through its own part's header.
#include <cstdint>
#include <string>

#include "platform/controls.h"

namespace velmarin {

class ICommands {
 public:
  virtual ~ICommands() = default;

  // Pages: switch to a page (forceFlg: repaint even when already there; byHFlg: the change comes
  // from the page history and is not recorded in it), the empty history, the caption, the cells.
  virtual void PageChange(int32_t page, bool forceFlg, bool byHFlg) = 0;
  virtual void CreatePageHistory() = 0;
  virtual void DrawPageCaption() = 0;
  virtual void RepaintPage() = 0;
  // The drawer menus' items, up to MaxDrawer.
  virtual void CreateDrawerMenuItems() = 0;

  // The look: colours of the title, Run box and shelf; the skin; the skin under a control, with
  // a margin in pixels.
  virtual void ApplyColors() = 0;
  virtual void LoadSkin() = 0;
  virtual void SkinPaint(ControlId control, int margin) = 0;

  // The shelf's image lists and list mode.
  virtual void PrepareShelfList() = 0;

  // The window's own handling of activation and the hot key, the notification-area icon, the
  // top-most state, the global hot key (false when the system refuses it).
  virtual void HookWindow() = 0;
  virtual void UnhookWindow() = 0;
  virtual void NotifyIcon(bool show) = 0;
  virtual void SetTopMost(bool onTop) = 0;
  virtual bool RegisterAppHotKey(const std::string& atomName, int32_t modifiers, int32_t key) = 0;

  // The settings dialog; the main window stays disabled until it closes.
  virtual void ShowSettingsDialog() = 0;

  // Unloads the main window the normal way (saving) and ends the program.
  virtual void EndProgram() = 0;

  // The About box; the row's tool tips; the row's cells brought up after the window lost the
  // mouse; the skin under the Run box painted again.
  virtual void ShowAboutBox() = 0;
  virtual void ApplyToolTips() = 0;
  virtual void RestoreButtons() = 0;
  virtual void SkinBltRun() = 0;

  // Text a gesture gives the Run box: PutInRunBox puts it before the box's text with a space
  // between, and the box takes the focus only when it held text; SetRunBoxText replaces the text
  // and gives the focus when asked. The button and page property dialogs, the main window
  // disabled while they are open.
  virtual void PutInRunBox(const std::string& text) = 0;
  virtual void SetRunBoxText(const std::string& text, bool focus) = 0;
  virtual void ShowButtonProperty(int16_t index) = 0;
  virtual void ShowPageProperty() = 0;
  // The global hot key released with its atom.
  virtual void UnregisterAppHotKey() = 0;
};

// Does nothing: what an App without wired commands answers.
class NoCommands final : public ICommands {
 public:
  void PageChange(int32_t, bool, bool) override {}
  void CreatePageHistory() override {}
  void DrawPageCaption() override {}
  void RepaintPage() override {}
  void CreateDrawerMenuItems() override {}
  void ApplyColors() override {}
  void LoadSkin() override {}
  void SkinPaint(ControlId, int) override {}
  void PrepareShelfList() override {}
  void HookWindow() override {}
  void UnhookWindow() override {}
  void NotifyIcon(bool) override {}
  void SetTopMost(bool) override {}
  bool RegisterAppHotKey(const std::string&, int32_t, int32_t) override { return false; }
  void ShowSettingsDialog() override {}
  void EndProgram() override {}
  void ShowAboutBox() override {}
  void ApplyToolTips() override {}
  void RestoreButtons() override {}
  void SkinBltRun() override {}
  void PutInRunBox(const std::string&) override {}
  void SetRunBoxText(const std::string&, bool) override {}
  void ShowButtonProperty(int16_t) override {}
  void ShowPageProperty() override {}
  void UnregisterAppHotKey() override {}
};

}  // namespace velmarin
