#include "panel/draw_icon.h"

#include <algorithm>

#include "core/strings.h"
#include "launch/names.h"

namespace velmarin {

namespace {

// Draws the icon, or prints why there is none.
void DrawFromSource(IControls& controls, const IconSource& source, int x, int y, ControlId obj) {
  ExtractedIcon found = controls.ExtractFileIcon(source.file, source.index);
  // The file's own icons gave nothing (a folder, a program whose icons the calls cannot read):
  // the shell still shows an icon for it. A damaged library keeps its texts.
  if (found.result == IconLookup::NotFound && !source.library) {
    const ExtractedIcon shown = controls.ShellIcon(source.file);
    if (shown.result == IconLookup::Icon) found = shown;
  }
  switch (found.result) {
    case IconLookup::Icon:
      controls.DrawIcon(obj, x, y, found.icon);
      controls.DestroyIcon(found.icon);
      break;
    case IconLookup::NoSuchFile:
      controls.PrintText(obj, "FILE\r\nNOT\r\nFOUND");
      break;
    case IconLookup::NotFound:
      controls.PrintText(obj, "ICON\r\nNOT\r\nFOUND");
      break;
    case IconLookup::NotIncluded:
      controls.PrintText(obj, "ICON\r\nNOT\r\nINCLUDED");
      break;
  }
}

}  // namespace

std::string IconLibraryPath(App& app) {
  if (!app.platform.files) return "velmarin.icl";
  return app.platform.files->ProgramFolder() + "\\velmarin.icl";
}

IconSource ChooseIconSource(App& app, const std::string& path, int16_t iconIndex,
                            std::string_view iconPath) {
  const std::string_view file = TrimSpaces(iconPath);
  if (isVelmName(app, path)) {
    if (file.empty()) return {IconLibraryPath(app), kInternalNameIcon, true};
    return {std::string(file), iconIndex};
  }
  // An ordinary item's icon comes from the item file itself; its IconFile is only stored.
  if (FileExist(app, path)) return {path, iconIndex};
  return {IconLibraryPath(app), kMissingFileIcon, true};
}

void MyDrawIcon(App& app, const std::string& path, int16_t index, int x, int y, ControlId obj,
                int16_t iconIndex, std::string iconPath, bool dispDrawer) {
  IControls* controls = app.platform.controls;
  if (!controls) return;
  if (index < 0 || index > app.model.settings.MaxButton - 1) return;
  if (!path.empty()) {
    DrawFromSource(*controls, ChooseIconSource(app, path, iconIndex, iconPath), x, y, obj);
  }
  if (dispDrawer) {
    if (const Page* page = PageAt(app.model, app.model.CurrentPage)) {
      DrawDrawerMarks(app, page->Buttons[static_cast<size_t>(index)], obj);
    }
  }
  controls->Refresh(obj);
}

void DrawDrawerMarks(App& app, const Button& button, ControlId obj) {
  IControls* controls = app.platform.controls;
  if (!controls || !app.model.settings.options.ShowDrawerCount) return;
  int filled = 0;
  const int slots = std::min<int>(app.model.settings.MaxDrawer, kDrawerSlots);
  for (int k = 0; k < slots; ++k) {
    if (!button.Drawer[static_cast<size_t>(k)].empty()) ++filled;
  }
  for (int k = 1; k <= filled; ++k) controls->DrawLine(obj, 3 * k, 0, 3 * k, 2);
}

}  // namespace velmarin
