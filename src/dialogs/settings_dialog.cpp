#include "dialogs/settings_dialog.h"

#include <algorithm>

#include "core/guarded.h"
#include "core/number.h"
#include "core/strings.h"
#include "core/units.h"
#include "shell/dialog_open.h"
#include "shell/layout.h"
#include "shell/title_bar.h"

namespace velmarin {

namespace {

constexpr int kDialogWidth = 526;
constexpr int kDialogHeight = 318;
constexpr const char* kHotKeyAtom = "velmarinHK";

// The whole part of a number typed into a box; nothing when the box holds no number.
std::optional<int64_t> WholePart(const std::string& text) {
  const std::string_view trimmed = TrimSpaces(text);
  if (!ToInt64Rounded(trimmed)) return std::nullopt;
  const std::string_view whole = trimmed.substr(0, trimmed.find('.'));
  return ToInt64Rounded(whole).value_or(0);
}

// The buttons the settings file would no longer keep with n cells a page: those with an item
// in the cells from n up to the ones shown now, on every page.
int ButtonsBeyond(const Model& m, int n) {
  const int shown = std::clamp<int>(m.settings.MaxButton, 0, kButtonSlots);
  int count = 0;
  for (int32_t p = 0; p < m.PageCount; ++p) {
    const Page* page = PageAt(m, p);
    if (!page) continue;
    for (int j = n; j < shown; ++j) {
      if (!page->Buttons[static_cast<size_t>(j)].Path.empty()) ++count;
    }
  }
  return count;
}

}  // namespace

std::vector<std::pair<std::string, int32_t>> HotKeyKeys() {
  std::vector<std::pair<std::string, int32_t>> keys = {
      {"↑", 38},         {"↓", 40},       {"←", 37},   {"→", 39},
      {"Page Down", 34}, {"Page Up", 33}, {"End", 35}, {"Home", 36}};
  for (int32_t code = 112; code <= 127; ++code) {
    std::string name = "F";
    name += std::to_string(code - 111);
    keys.emplace_back(std::move(name), code);
  }
  for (int32_t code = 65; code <= 90; ++code) {
    keys.emplace_back(std::string(1, static_cast<char>(code)), code);
  }
  return keys;
}

Config::Config(App& app) : app_(app) {
  form_.rect = PlaceOneThirdToCentre(app, kDialogWidth, kDialogHeight);
  BuildControls();
  Form_Load();
}

std::array<bool*, kAppearanceChecks> Config::AppearanceOptions() {
  Options& o = app_.model.settings.options;
  return {&o.ShowToolTips, &o.ShowDrawerCount, &o.MenuNumbers, &o.PaintRunBox,
          &o.TrayIcon,     &o.AlwaysOnTop,     &o.UseHotKey};
}

std::array<bool*, kBehaviorChecks> Config::BehaviorOptions() {
  Options& o = app_.model.settings.options;
  return {&o.PageButtonsMoveWindow,  &o.ClickClearsRun,
          &o.RunAutoDropDown,        &o.RunToolTipParams,
          &o.TabClearsRun,           &o.StorageMultiExecute,
          &o.StorageDblClickExecute, &o.StorageDblClickClose,
          &o.ToolTipWithExt,         &o.RegisterLinkTarget,
          &o.StorageExecuteDropped,  &o.StorageKeepItems,
          &o.StorageNotifyDuplicate, &o.CplToolTip,
          &o.KeepStorageOpen,        &o.KeepDropMode,
          &o.StartInExecuteMode};
}

std::array<int32_t*, kColorSwatches> Config::ColorSettings() {
  Colors& c = app_.model.settings.colors;
  return {&c.ColTitleBarActFore,   &c.ColTitleBarActBack, &c.ColTitleBarInActFore,
          &c.ColTitleBarInActBack, &c.ColRunFore,         &c.ColRunBack,
          &c.ColStorageFore,       &c.ColStorageBack};
}

void Config::ShowMonitor(int k) {
  for (int i = 0; i < kMonitorCount; ++i) C("Monitor", i).visible = i == k;
}

void Config::Form_Load() {
  const Settings& s = app_.model.settings;
  SelectOnly(C("OpTree"), 0);
  ShowMonitor(0);
  const int screenW = app_.platform.screen ? app_.platform.screen->WidthPixels() : 0;
  const int screenH = app_.platform.screen ? app_.platform.screen->HeightPixels() : 0;
  const DesktopUnits desktop = Desktop(app_);
  C("txtAppearance", 0).text = std::to_string(desktop.Pixels(app_.model.WindowLeft));
  C("txtAppearance", 1).text = std::to_string(desktop.Pixels(app_.model.WindowTop));
  // A monitor left of or above the primary one has negative places.
  for (int k = 0; k < 2; ++k) {
    DialogControl& upDown = C("udAppearance", k);
    upDown.upDownMax = std::max(1, static_cast<int>(desktop.Twips(k == 0 ? screenW : screenH)));
    upDown.upDownMin = -upDown.upDownMax;
  }
  C("txtAppearance", 2).text = std::to_string(s.MaxButton);
  C("txtBehavior").text = std::to_string(s.MaxMultiExecute);
  const auto colors = ColorSettings();
  for (int k = 0; k < kColorSwatches; ++k) C("lbColorCol", k).color = *colors[k];

  const auto appearance = AppearanceOptions();
  for (int i = 0; i < kAppearanceChecks; ++i) C("chkAppearance", i).checked = *appearance[i];
  C("optAppearance", 0).checked = !s.options.UseSkin;
  C("optAppearance", 1).checked = s.options.UseSkin;
  C("chkAppearance", 3).enabled = s.options.UseSkin;
  const auto behavior = BehaviorOptions();
  for (int i = 0; i < kBehaviorChecks; ++i) C("chkBehavior", i).checked = *behavior[i];
  C("chkBehavior", 16).enabled = !s.options.KeepDropMode;

  DialogControl& keys = C("HotKeyKey");
  keys.items.clear();
  keys.selected.clear();
  keyCodes_.clear();
  for (const auto& [name, code] : HotKeyKeys()) {
    AddLine(keys, name);
    keyCodes_.push_back(code);
  }
  const auto found = std::find(keyCodes_.begin(), keyCodes_.end(), s.HotKeyKey);
  SelectOnly(keys, found == keyCodes_.end() ? 0 : static_cast<int>(found - keyCodes_.begin()));
  for (int i = 0; i < 4; ++i) {
    DialogControl& mask = C("HotKeyMask", i);
    mask.checked = (s.HotKeyFlg & (1 << i)) != 0;
    mask.enabled = s.options.UseHotKey;
  }
  C("HotKeyMonitor").enabled = s.options.UseHotKey;
  keys.enabled = s.options.UseHotKey;
  Focus("Cancel");
}

void Config::OnEvent(const DialogEvent& e) {
  const std::string& n = e.name;
  if (e.kind == DialogEventKind::CloseBox) {
    Cancel_Click();
  } else if (e.kind == DialogEventKind::Change) {
    DialogControl& box = C(n, e.index);
    if (box.kind == DialogControlKind::TextBox) box.text = OneLine(box.text);
  } else if (e.kind == DialogEventKind::Click) {
    if (n == "Apply") Apply_Click();
    if (n == "Cancel") Cancel_Click();
    if (n == "OpTree") OpTree_Click();
    if (n == "chkAppearance") chkAppearance_Click(e.index);
    if (n == "chkBehavior") chkBehavior_Click(e.index);
    if (n == "optAppearance") optAppearance_Click(e.index);
    if (n == "lbColorCol") lbColorCol_Click(e.index);
  }
}

void Config::OpTree_Click() {
  const int k = SelectedLine(C("OpTree"));
  if (k >= 0 && k < kMonitorCount) ShowMonitor(k);
}

void Config::chkAppearance_Click(int) {
  const bool on = C("chkAppearance", 6).checked;
  C("HotKeyMonitor").enabled = on;
  for (int i = 0; i < 4; ++i) C("HotKeyMask", i).enabled = on;
  C("HotKeyKey").enabled = on;
}

void Config::chkBehavior_Click(int index) {
  if (index == 15) C("chkBehavior", 16).enabled = !C("chkBehavior", 15).checked;
}

void Config::optAppearance_Click(int) {
  C("chkAppearance", 3).enabled = C("optAppearance", 1).checked;
}

void Config::lbColorCol_Click(int index) {
  if (!app_.platform.dialogs) return;
  const std::optional<int32_t> chosen = app_.platform.dialogs->PickColor(chooserColor_);
  if (!chosen) return;
  chooserColor_ = *chosen;
  C("lbColorCol", index).color = *chosen;
}

void Config::Apply_Click() {
  form_.enabled = false;
  Model& m = app_.model;
  Settings& s = m.settings;
  const DesktopUnits desktop = Desktop(app_);
  const int screenW = app_.platform.screen ? app_.platform.screen->WidthPixels() : 0;
  const int screenH = app_.platform.screen ? app_.platform.screen->HeightPixels() : 0;
  // The place is kept when the window lands on a monitor and wraps round the screen otherwise
  // (the layout decides); a number beyond any screen is first taken round it in pixels, so that
  // it cannot overflow on its way to twips.
  const auto edge = [&](int64_t pixels, int extent) {
    if (pixels < -32767 || pixels > 32767) pixels %= extent;
    return desktop.Twips(static_cast<int>(pixels));
  };
  if (auto x = WholePart(C("txtAppearance", 0).text); x && screenW > 0) {
    m.WindowLeft = edge(*x, screenW);
    m.hasWindowLeft = true;
  }
  if (auto y = WholePart(C("txtAppearance", 1).text); y && screenH > 0) {
    m.WindowTop = edge(*y, screenH);
    m.hasWindowTop = true;
  }
  // The row holds 1 to 12 buttons, whatever is typed.
  if (auto n = WholePart(C("txtAppearance", 2).text)) {
    const auto wanted = static_cast<int16_t>(std::clamp<int64_t>(*n, 1, kButtonSlots));
    if (FewerCellsConfirmed(wanted)) s.MaxButton = wanted;
  }
  if (auto n = WholePart(C("txtBehavior").text); n && *n >= -32768 && *n <= 32767) {
    s.MaxMultiExecute = static_cast<int16_t>(*n);
  }
  const auto colors = ColorSettings();
  for (int k = 0; k < kColorSwatches; ++k) {
    if (C("lbColorCol", k).color >= 0) *colors[k] = C("lbColorCol", k).color;
  }
  Options& o = s.options;
  o.ShowToolTips = C("chkAppearance", 0).checked;
  o.ShowDrawerCount = C("chkAppearance", 1).checked;
  o.MenuNumbers = C("chkAppearance", 2).checked;
  o.PaintRunBox = C("chkAppearance", 3).checked;
  o.UseSkin = C("optAppearance", 1).checked;
  o.TrayIcon = C("chkAppearance", 4).checked;
  Guarded([&] { app_.Commands().NotifyIcon(o.TrayIcon); });
  o.AlwaysOnTop = C("chkAppearance", 5).checked;
  Guarded([&] { app_.Commands().SetTopMost(o.AlwaysOnTop); });
  o.UseHotKey = C("chkAppearance", 6).checked;
  if (o.UseHotKey) {
    int32_t modifiers = 0;
    for (int i = 0; i < 4; ++i) {
      if (C("HotKeyMask", i).checked) modifiers += 1 << i;
    }
    const int line = SelectedLine(C("HotKeyKey"));
    const int32_t key = line >= 0 && line < static_cast<int>(keyCodes_.size()) ? keyCodes_[line]
                                                                               : keyCodes_.front();
    s.HotKeyFlg = modifiers;
    s.HotKeyKey = key;
    if (!app_.Commands().RegisterAppHotKey(kHotKeyAtom, modifiers, key) &&
        app_.platform.messageBox) {
      app_.platform.messageBox->Show("ホットキーの設定に失敗しました。", "エラー", MbButtons::Ok,
                                     MbIcon::None);
    }
  } else {
    Guarded([&] { app_.Commands().UnregisterAppHotKey(); });
  }
  const bool startMode = o.StartInExecuteMode;
  const auto behavior = BehaviorOptions();
  for (int i = 0; i < kBehaviorChecks; ++i) *behavior[i] = C("chkBehavior", i).checked;
  // A start mode changed here takes effect at once; otherwise the mode stays as the user left it.
  if (o.StartInExecuteMode != startMode) m.DropMode = o.StartInExecuteMode;

  Guarded([&] { Shape(app_, false); });
  if (app_.platform.system) app_.platform.system->EnableMainWindow(true);
  Guarded([&] { Activate(app_, true); });
  Close();
}

// Fewer cells a page leave the buttons in the cells above out of the settings file at the next
// save: when there are any, the user is asked first, and No keeps the number as it was.
bool Config::FewerCellsConfirmed(int n) {
  const int lost = ButtonsBeyond(app_.model, n);
  if (lost == 0) return true;
  if (!app_.platform.messageBox) return false;
  const std::string text = "表示するボタンの数を " + std::to_string(n) +
                           " にすると、登録されている " + std::to_string(lost) +
                           " 個のボタンが失われます。よろしいですか？";
  return app_.platform.messageBox->Show(text, "ボタンの数の変更", MbButtons::YesNo,
                                        MbIcon::Question) == MbResult::Yes;
}

void Config::Cancel_Click() {
  form_.enabled = false;
  if (app_.platform.system) app_.platform.system->EnableMainWindow(true);
  Guarded([&] { Activate(app_, true); });
  Close();
}

void ShowSettingsDialog(App& app) {
  if (!app.platform.dialogs) return;
  // One dialog at a time: asked for while one is open, the open one comes forward instead.
  if (DialogOpen(app)) {
    BringDialogForward(app);
    return;
  }
  if (app.platform.system) app.platform.system->EnableMainWindow(false);
  Config dialog(app);
  app.platform.dialogs->ShowModal(dialog);
  if (app.platform.system) app.platform.system->EnableMainWindow(true);
}

}  // namespace velmarin
