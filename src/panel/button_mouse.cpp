#include "panel/button_mouse.h"

#include "core/guarded.h"
#include "core/menu.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "launch/shelf_paths.h"
#include "launch/shelf_register.h"
#include "panel/button_drop.h"
#include "panel/button_edit.h"
#include "panel/button_menus.h"
#include "panel/button_paint.h"
#include "panel/drag_out.h"
#include "panel/draw_icon.h"
#include "panel/gesture_support.h"
#include "panel/hit_test.h"

namespace velmarin {

namespace {

void PaintUp(App& app, int16_t index, Button& button) {
  const ControlId cell{ControlKind::Picture1, index};
  button.State = 1;
  Guarded([&] { PaintButtonBase(app, cell, button.State); });
  Guarded([&] {
    MyDrawIcon(app, button.Path, index, 2, 2, cell, button.IconIndex, button.IconFile, true);
  });
}

// A left drag onto the Run box: Shift gives it the long path, Ctrl the short one, both before
// what the box holds; no modifier replaces its text with the tool tip.
void OntoRun(App& app, const Button& source, Modifier modifier) {
  if (modifier == Modifier::None) {
    app.Commands().SetRunBoxText(source.ToolTip, app.model.DropMode);
    return;
  }
  const std::string path =
      modifier == Modifier::Shift ? ToLongPath(app, source.Path) : ToShortPath(app, source.Path);
  if (!path.empty()) app.Commands().PutInRunBox(QuotedWhenSpaced(path));
}

// A left drag onto the open shelf: Shift adds the item and its drawer, Ctrl the drawer only; no
// modifier adds the item, or in execute mode may open it with the selected shelf entry.
void OntoShelf(App& app, const Button& source, Modifier modifier) {
  const int slots = DrawerSlots(app);
  if (modifier == Modifier::None) {
    if (app.model.DropMode && app.model.settings.options.StorageExecuteDropped) {
      const std::string selected = SelectedShelfKey(app);
      if (!selected.empty()) LaunchStringWithPath(app, selected, source.Path);
      return;
    }
    AddToShelf(app, source.Path);
    return;
  }
  if (modifier == Modifier::Shift) AddToShelf(app, source.Path);
  for (int k = 0; k < slots; ++k) AddToShelf(app, source.Drawer[static_cast<size_t>(k)]);
}

// A left drag from one cell onto another.
void OntoCell(App& app, Button& source, int16_t targetIndex, Modifier modifier) {
  Button* target = ButtonAt(app, targetIndex);
  Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!target || !page) return;
  const int16_t sourceIndex = app.panel.PressedIndex;
  switch (modifier) {
    case Modifier::Shift:
      MoveButton(app, source, *target);
      Guarded([&] { RepaintButton(app, targetIndex); });
      Guarded([&] { RepaintButton(app, sourceIndex); });
      break;
    case Modifier::Ctrl:
      // An empty button puts nothing into the drawer: an empty slot 0 would push out the last
      // item for nothing.
      if (source.Path.empty()) break;
      PushDrawerItem(app, *target, source.Path);
      Guarded([&] { ShowDrawerMarks(app, *target, targetIndex); });
      break;
    case Modifier::None:
      if (!target->Path.empty() && app.model.DropMode) {
        LaunchButtonWithPath(app, *target, source.Path);
      } else {
        InsertButton(app, *page, sourceIndex, targetIndex);
      }
      break;
  }
}

// The shift value counts as a whole: Alt, alone or with other keys, is no modifier here. (An Alt
// press whose drag out of the window really started has no release: the drag took it.)
void LeftRelease(App& app, int shift) {
  const PanelState& panel = app.panel;
  Button* source = ButtonAt(app, panel.PressedIndex);
  if (!source) return;
  const Modifier modifier = ModifierOf(shift);
  const int16_t target = panel.ReleaseTarget;
  if (target == TargetRun) {
    OntoRun(app, *source, modifier);
  } else if (target == TargetNone) {
    if (modifier == Modifier::None) DrawerMenuGesture(app, *source, true);
  } else if (target == TargetShelf) {
    OntoShelf(app, *source, modifier);
  } else if (target == panel.PressedIndex) {
    if (modifier == Modifier::Shift) {
      DeleteMenuGesture(app, *source, target);
    } else if (modifier == Modifier::Ctrl) {
      DrawerMenuGesture(app, *source, false);
    } else if (!source->Path.empty()) {
      LaunchButton(app, *source, source->Params);  // the ordinary click
    }
  } else if (target >= 0) {
    OntoCell(app, *source, target, modifier);
  }
}

// A shelf entry dragged onto cell `index` with the left button: Shift puts it on the button,
// Ctrl puts the selected entries into the drawer; no modifier opens it with the button in
// execute mode and puts it on the button in register mode.
void ShelfEntryOntoCell(App& app, int16_t index, int shift) {
  Button* target = ButtonAt(app, index);
  if (!target) return;
  const Modifier modifier = ModifierOf(shift);
  if (modifier == Modifier::Ctrl) {
    Guarded([&] { PutSelectedShelfEntriesIntoDrawer(app, *target, index); });
    return;
  }
  const std::string selected = SelectedShelfKey(app);
  if (selected.empty()) return;
  if (modifier == Modifier::None && app.model.DropMode) {
    LaunchButtonWithPath(app, *target, selected);
  } else {
    AssignItem(app, index, selected);
  }
}

}  // namespace

void Picture1_MouseDown(App& app, int16_t index, MouseButton button, int shift, int x, int y) {
  ForgetDragOut(app);
  Button* pressed = ButtonAt(app, index);
  if (!pressed) return;
  const ControlId cell{ControlKind::Picture1, index};
  pressed->State = 2;
  Guarded([&] { PaintButtonBase(app, cell, pressed->State); });
  Guarded([&] {
    MyDrawIcon(app, pressed->Path, index, 3, 3, cell, pressed->IconIndex, pressed->IconFile, true);
  });
  app.panel.PressedIndex = index;
  app.panel.PressedControl = cell;
  app.panel.PressedMouseButton = button;
  if (shift == kAltMask) {
    // Alt drags the button's file out of the window once the mouse moves; the cell comes up at
    // once.
    ReadyDragOut(app, cell, x, y);
    PaintUp(app, index, *pressed);
    Guarded([&] { ApplyToolTips(app); });
  }
}

void Picture1_MouseMove(App& app, int16_t index, int x, int y) {
  if (DragOutStartsAt(app, {ControlKind::Picture1, index}, x, y)) DragOutOfCell(app, index);
}

void Picture1_MouseUp(App& app, int16_t index, MouseButton /*button*/, int shift) {
  ForgetDragOut(app);
  bool alreadyUp = false;
  Guarded([&] {
    app.panel.ReleaseTarget = HitTestCursor(app);
    // The release acts by the button that was pressed, not the one reported now.
    const bool fromShelf = app.panel.PressedControl.kind == ControlKind::Storage;
    if (app.panel.PressedMouseButton == MouseButton::Left) {
      if (fromShelf) {
        ShelfEntryOntoCell(app, index, shift);
      } else {
        LeftRelease(app, shift);
      }
    } else if (app.panel.PressedMouseButton == MouseButton::Right) {
      alreadyUp = RightRelease(app, index);
    }
  });
  // However the release went: no menu choice survives, the pressed cell comes up again and the
  // tool tips follow the page.
  ClearMenuResult(app);
  if (Button* source = ButtonAt(app, app.panel.PressedIndex)) {
    if (alreadyUp) {
      source->State = 1;
    } else {
      PaintUp(app, app.panel.PressedIndex, *source);
    }
  }
  Guarded([&] { ApplyToolTips(app); });
}

void Picture1_PressCancelled(App& app, int16_t index) {
  if (app.panel.PressedControl != ControlId{ControlKind::Picture1, index}) return;
  ForgetDragOut(app);
  ClearMenuResult(app);
  if (Button* pressed = ButtonAt(app, index)) PaintUp(app, index, *pressed);
  Guarded([&] { ApplyToolTips(app); });
}

}  // namespace velmarin
