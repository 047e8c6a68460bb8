#pragma once
// A laid-out window with ten cells for gesture tests: presses and releases by cell and place,
// the menus shown and their captions.
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "launch/names.h"
#include "shell/layout.h"
#include "shell/window_events.h"

namespace velmarin::gestures_test {

// Places the cursor can be: the middle of cell i, over the Run box, the shelf, off the window.
struct Place {
  int x;
  int y;
};
inline Place OverCell(int i) { return {i * 37 + 18, 40}; }
inline constexpr Place kOverRun{300, 10};
inline constexpr Place kOverShelf{10, 80};
inline constexpr Place kOffWindow{-40, 30};

struct Panel {
  App app;
  FakePlatform fake;
  Panel() {
    fake.Wire(app);
    app.model.PageCount = 3;
    app.model.settings.MaxButton = 10;
    app.model.settings.MaxDrawer = 4;
    app.model.settings.MaxMultiExecute = 4;
    ClampLimits(app.model);
    Shape(app, true);
  }
  Button& At(int i) {
    return app.model.Pages[static_cast<size_t>(app.model.CurrentPage)].Buttons[i];
  }
  Button& Slot(int i, const std::string& path, const std::string& params = {}) {
    Button& b = At(i);
    b.Path = path;
    b.Params = params;
    SetPathParts(app, b);
    b.ToolTip = b.BaseName;
    return b;
  }
  void Drawer(int i, std::array<std::string, 4> items) { At(i).Drawer = std::move(items); }
  // A press on cell `pressed` released at `place`; `choice` is what the user picks in a menu.
  void Gesture(int pressed, Place place, int shift = 0, MouseButton button = MouseButton::Left,
               const std::string& choice = {}) {
    if (!choice.empty()) fake.popupMenu.Script(choice);
    const ControlId cell{ControlKind::Picture1, pressed};
    OnControlMouse(app, {MouseAction::Press, cell, button, shift, 5, 5});
    fake.system.cursorX = place.x;
    fake.system.cursorY = place.y;
    OnControlMouse(app, {MouseAction::Release, cell, button, shift, 5, 5});
  }
  size_t MenusShown() const { return fake.popupMenu.shown.size(); }
  // The last menu's captions, submenus after their opener, separators as "-", greyed items
  // marked "(off)".
  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    if (!fake.popupMenu.shown.empty()) Flatten(fake.popupMenu.shown.back(), out);
    return out;
  }
  const std::vector<FakeShell::Execution>& Launched() const { return fake.shell.executions; }

 private:
  static void Flatten(const Menu& menu, std::vector<std::string>& out) {
    for (const MenuItem& item : menu) {
      out.push_back(item.separator ? "-" : item.caption + (item.enabled ? "" : "(off)"));
      Flatten(item.submenu, out);
    }
  }
};

}  // namespace velmarin::gestures_test
