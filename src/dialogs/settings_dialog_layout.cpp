// The settings dialog's controls and where they sit.
#include "dialogs/settings_dialog.h"

namespace velmarin {

namespace {

using K = DialogControlKind;

constexpr int kFrameLeft = 136;
constexpr int kFrameTop = 8;
constexpr int kRow = 23;
// Wide enough for the longest check box caption in the system's message font.
constexpr int kFrameWidth = 380;
constexpr int kCheckWidth = kFrameWidth - 22;

struct CheckPlace {
  int index;
  const char* caption;
};

}  // namespace

void Config::BuildControls() {
  form_.caption = "velmarinの設定";
  DialogControl& tree = AddControl(form_, "OpTree", 0, K::ListBox, {10, 14, 116, 260});
  const char* items[] = {"　表示", "　操作", "　編集", "　色", "　表示 2", "　操作 2"};
  for (const char* item : items) AddLine(tree, item);
  const char* frames[] = {"表示１", "操作１", "編集", "色", "表示２", "操作２"};
  for (int k = 0; k < kMonitorCount; ++k) {
    AddControl(form_, "Monitor", k, K::Frame, {kFrameLeft, kFrameTop, kFrameWidth, 266}, frames[k]);
  }
  auto inFrame = [&](DialogControl& control, int k) -> DialogControl& {
    control.parent = "Monitor";
    control.parentIndex = k;
    return control;
  };
  auto row = [&](int k, int line) { return kFrameTop + 22 + line * kRow; };
  auto check = [&](const char* name, int k, int line, const CheckPlace& place) {
    inFrame(AddControl(form_, name, place.index, K::CheckBox,
                       {kFrameLeft + 12, row(k, line), kCheckWidth, 20}, place.caption),
            k);
  };

  // Display 1: tool tips, drawer counts, menu numbers, the skin.
  const CheckPlace display1[] = {{0, "　ツールチップを表示する"},
                                 {1, "　ドローワのアイテムの数を表示する"},
                                 {2, "　ポップアップメニューに数字を添える"}};
  int line = 0;
  for (const CheckPlace& place : display1) check("chkAppearance", 0, line++, place);
  const char* skins[] = {"　スキンを使用しない", "　スキンを使用する"};
  for (int i = 0; i < 2; ++i) {
    inFrame(AddControl(form_, "optAppearance", i, K::Option,
                       {kFrameLeft + 12, row(0, line++), kCheckWidth, 20}, skins[i]),
            0);
  }
  check("chkAppearance", 0, line, {3, "　RunBoxの中も描画する"});

  // Operation 1: the title strip and the Run box.
  const CheckPlace operation1[] = {{0, "　改ページボタンもウィンドウ移動に使う"},
                                   {1, "　フォームをクリックでRunの内容を消去"},
                                   {2, "　Run入力時に、自動的にドロップダウンする"},
                                   {3, "　Runでツールチップ起動するときにパラメータを有効"},
                                   {4, "　RunでTab入力でRunの内容を消去"}};
  line = 0;
  for (const CheckPlace& place : operation1) check("chkBehavior", 1, line++, place);

  // Edit: what registering an item does.
  const CheckPlace edit[] = {{8, "　ツールチップに拡張子をつけて登録する"},
                             {9, "　ショートカットをドロップした時は元ファイルを登録する"},
                             {13, "　CPLファイルのツールチップを変換して登録する"}};
  line = 0;
  for (const CheckPlace& place : edit) check("chkBehavior", 2, line++, place);

  // Colours: four pairs of swatches, text and background.
  const char* pairs[] = {"タイトルバー(Act)", "タイトルバー(InAct)", "Run Box", "物置き"};
  for (int p = 0; p < 4; ++p) {
    const int y = row(3, p * 2);
    inFrame(
        AddControl(form_, "lbColor", p * 3, K::Label, {kFrameLeft + 12, y + 4, 130, 16}, pairs[p]),
        3);
    for (int j = 0; j < 2; ++j) {
      const int x = kFrameLeft + 148 + j * 90;
      inFrame(AddControl(form_, "lbColor", p * 3 + 1 + j, K::Label, {x, y + 4, 34, 16},
                         j == 0 ? "文字" : "背景"),
              3);
      inFrame(AddControl(form_, "lbColorCol", p * 2 + j, K::Picture, {x + 36, y, 40, 24}), 3);
    }
  }

  // Display 2: the window's place, the number of buttons, tray, top-most and the hot key.
  inFrame(AddControl(form_, "lbPosition", 0, K::Label, {kFrameLeft + 12, row(4, 0) + 3, 130, 16},
                     "ウィンドウの位置"),
          4);
  const char* axes[] = {"X", "Y"};
  for (int i = 0; i < 2; ++i) {
    const int x = kFrameLeft + 146 + i * 92;
    inFrame(AddControl(form_, "lbAxis", i, K::Label, {x, row(4, 0) + 3, 12, 16}, axes[i]), 4);
    inFrame(AddControl(form_, "txtAppearance", i, K::TextBox, {x + 14, row(4, 0), 56, 21}), 4);
    DialogControl& ud =
        inFrame(AddControl(form_, "udAppearance", i, K::UpDown, {x + 70, row(4, 0), 16, 21}), 4);
    ud.buddy = "txtAppearance";
  }
  inFrame(AddControl(form_, "lbButtons", 0, K::Label, {kFrameLeft + 12, row(4, 1) + 3, 130, 16},
                     "表示するボタンの数"),
          4);
  inFrame(AddControl(form_, "txtAppearance", 2, K::TextBox, {kFrameLeft + 160, row(4, 1), 56, 21}),
          4);
  DialogControl& udButtons = inFrame(
      AddControl(form_, "udAppearance", 2, K::UpDown, {kFrameLeft + 216, row(4, 1), 16, 21}), 4);
  udButtons.buddy = "txtAppearance";
  udButtons.upDownMax = kButtonSlots;
  const CheckPlace display2[] = {
      {4, "　タスクトレイに表示する"}, {5, "　常に手前に表示する"}, {6, "　ホットキーを設定する"}};
  line = 2;
  for (const CheckPlace& place : display2) check("chkAppearance", 4, line++, place);
  inFrame(AddControl(form_, "HotKeyMonitor", 0, K::Frame, {kFrameLeft + 12, row(4, 5), 316, 60},
                     "ホットキーの設定"),
          4);
  const char* masks[] = {"ALT", "CTRL", "SHIFT", "WINDOWS"};
  for (int i = 0; i < 4; ++i) {
    DialogControl& mask = AddControl(form_, "HotKeyMask", i, K::CheckBox,
                                     {kFrameLeft + 22 + i * 74, row(4, 5) + 18, 72, 20}, masks[i]);
    mask.parent = "HotKeyMonitor";
  }
  // The key list has no label on the dialog; a screen reader names it by the one before it.
  DialogControl& keyLabel = AddControl(form_, "lbHotKeyKey", 0, K::Label,
                                       {kFrameLeft + 22, row(4, 5) + 38, 120, 16}, "キー");
  keyLabel.parent = "HotKeyMonitor";
  keyLabel.visible = false;
  DialogControl& keys = AddControl(form_, "HotKeyKey", 0, K::DropList,
                                   {kFrameLeft + 22, row(4, 5) + 38 - 2, 120, 200});
  keys.parent = "HotKeyMonitor";
  keys.rect.top = row(4, 5) + 36;
  keys.rect.height = 220;
  // The hot-key frame sits low enough for the key list's box below the masks.
  FindControl(form_, "HotKeyMonitor")->rect.height = 84;

  // Operation 2: the shelf, the files launched without asking, the modes kept.
  const CheckPlace operation2[] = {{5, "　物置きのアイテムの、一度に複数起動を有効"},
                                   {6, "　物置きのアイテムをダブルクリックで起動"},
                                   {7, "　物置きをダブルクリックで閉じる"},
                                   {10, "　物置きにドロップしたファイルを起動（起動モード時）"},
                                   {11, "　物置きのアイテムを次回起動まで保存する"},
                                   {12, "　物置きに同じファイルをドロップした時に通知する"},
                                   {14, "　物置き開閉の状態を次回起動まで保存する"},
                                   {15, "　起動・登録モードの状態を次回起動まで保存する"},
                                   {16, "　起動時に起動モードにする"}};
  line = 0;
  for (const CheckPlace& place : operation2) check("chkBehavior", 5, line++, place);
  inFrame(AddControl(form_, "lbBehavior", 0, K::Label, {kFrameLeft + 12, row(5, line) + 5, 230, 16},
                     "起動問い合わせしないファイル数"),
          5);
  inFrame(
      AddControl(form_, "txtBehavior", 0, K::TextBox, {kFrameLeft + 248, row(5, line) + 2, 56, 21}),
      5);

  AddControl(form_, "Apply", 0, K::Button, {340, 284, 84, 25}, "&Apply").isDefault = true;
  DialogControl& cancel = AddControl(form_, "Cancel", 0, K::Button, {432, 284, 84, 25}, "&Cancel");
  cancel.toolTip = "右上の x ボタンを押してもキャンセルします";
  cancel.isCancel = true;
}

}  // namespace velmarin
