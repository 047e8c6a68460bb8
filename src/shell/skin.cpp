#include "shell/skin.h"

#include <algorithm>

#include "core/guarded.h"
#include "launch/names.h"
#include "shell/layout.h"

namespace velmarin {

namespace {

constexpr const char* kSkinMissing = "\\skin.bmp がみつかりません";
constexpr const char* kSkinMissingTitle = "Skin取得のエラー";

int ClampedMaxButton(const App& app) {
  return std::clamp<int>(app.model.settings.MaxButton, 1, kButtonSlots);
}

// Where the shelf lies: as the layout last placed it, or where the table puts it.
PixelRect StorageRect(App& app) {
  if (app.platform.controls) {
    if (auto rect = app.platform.controls->Bounds({ControlKind::Storage, 0})) return *rect;
  }
  const Settings& s = app.model.settings;
  return ComputeGeometry(ClampedMaxButton(app), s.ButtonWidth, s.ButtonHeight).storage;
}

// The skin picture covers at most the window with its shelf open and the shelf's band below it.
PixelSize HeldSize(App& app) {
  const Settings& s = app.model.settings;
  const WindowGeometry g = ComputeGeometry(ClampedMaxButton(app), s.ButtonWidth, s.ButtonHeight);
  const PixelRect storage = StorageRect(app);
  return {2 * app.form.BorderWidth + g.clientWidth,
          OuterHeight(app, true) + std::max(storage.height, 0)};
}

void DropSkin(App& app) {
  app.form.skin = {};
  IControls* c = app.platform.controls;
  if (!c) return;
  Guarded([&] { c->ClearSkinPicture(); });
  Guarded([&] { c->SetShelfBackground({}, {}, 0, 0); });
}

}  // namespace

std::optional<SkinCut> CutFromSkin(const PixelSize& skin, const PixelRect& from, int x, int y) {
  if (from.width <= 0 || from.height <= 0) return std::nullopt;
  // Wide arithmetic: a control far off the window must not overflow the sums.
  const long long left = std::max<long long>(from.left, 0);
  const long long top = std::max<long long>(from.top, 0);
  const long long right =
      std::min<long long>(static_cast<long long>(from.left) + from.width, skin.width);
  const long long bottom =
      std::min<long long>(static_cast<long long>(from.top) + from.height, skin.height);
  if (left >= right || top >= bottom) return std::nullopt;
  SkinCut cut;
  cut.from = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
              static_cast<int>(bottom - top)};
  cut.x = static_cast<int>(x + (left - from.left));
  cut.y = static_cast<int>(y + (top - from.top));
  return cut;
}

std::string SkinPath(App& app) {
  const std::string folder = app.platform.files ? app.platform.files->ProgramFolder() : "";
  return folder + "\\skin.bmp";
}

void LoadSkin(App& app) {
  Options& o = app.model.settings.options;
  if (!o.UseSkin) {
    DropSkin(app);
    return;
  }
  const std::string path = SkinPath(app);
  if (!FileExist(app, path)) {
    // Off for good: the next save keeps FlgAppearance without it, so the message comes once.
    o.UseSkin = false;
    DropSkin(app);
    if (app.platform.messageBox) {
      const std::string folder = app.platform.files ? app.platform.files->ProgramFolder() : "";
      app.platform.messageBox->Show(folder + kSkinMissing, kSkinMissingTitle, MbButtons::Ok,
                                    MbIcon::None);
    }
    return;
  }
  IControls* c = app.platform.controls;
  if (!c) return;
  app.form.skin = {};
  Guarded([&] {
    // An unreadable picture leaves no skin: later copies change nothing.
    const std::optional<PixelSize> picture = c->LoadSkinPicture(path);
    if (!picture) return;
    const PixelSize held = HeldSize(app);
    app.form.skin = {std::min(picture->width, held.width), std::min(picture->height, held.height)};
  });
  Guarded([&] {
    // The band under the shelf, cut once for each load.
    const PixelRect storage = StorageRect(app);
    const PixelSize size{std::max(storage.width, 0), std::max(storage.height, 0)};
    const std::optional<SkinCut> cut =
        CutFromSkin(app.form.skin, {0, storage.top, size.width, size.height}, 0, 0);
    if (cut) {
      c->SetShelfBackground(size, cut->from, cut->x, cut->y);
    } else {
      c->SetShelfBackground({}, {}, 0, 0);
    }
  });
}

void SkinPaint(App& app, ControlId target, int margin) {
  if (!app.model.settings.options.UseSkin) return;
  IControls* c = app.platform.controls;
  if (!c) return;
  if (margin < 0) margin = 0;
  const std::optional<PixelRect> rect = c->Bounds(target);
  if (!rect) return;
  const PixelRect from{rect->left + margin, rect->top + margin, rect->width - 2 * margin,
                       rect->height - 2 * margin};
  if (const auto cut = CutFromSkin(app.form.skin, from, margin, margin)) {
    c->CopySkin(target, cut->from, cut->x, cut->y);
  }
}

void SkinBlt(App& app, ControlId target) {
  IControls* c = app.platform.controls;
  if (!c) return;
  const std::optional<PixelRect> rect = c->Bounds(target);
  if (!rect) return;
  if (const auto cut = CutFromSkin(app.form.skin, *rect, 0, 0)) {
    c->AndSkin(target, cut->from, cut->x, cut->y);
  }
}

void ApplyColors(App& app) {
  IControls* c = app.platform.controls;
  if (!c) return;
  const Colors& k = app.model.settings.colors;
  const ControlId title{ControlKind::TitleBar, 1};
  const ControlId run{ControlKind::Run, 0};
  const ControlId storage{ControlKind::Storage, 0};
  Guarded([&] {
    c->SetForeColor(title, k.ColTitleBarActFore);
    c->SetBackColor(title, k.ColTitleBarActBack);
  });
  Guarded([&] {
    c->SetForeColor(run, k.ColRunFore);
    c->SetBackColor(run, k.ColRunBack);
  });
  Guarded([&] {
    c->SetForeColor(storage, k.ColStorageFore);
    c->SetBackColor(storage, k.ColStorageBack);
  });
}

}  // namespace velmarin
