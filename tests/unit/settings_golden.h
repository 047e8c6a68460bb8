#pragma once
// One fixed model with Japanese captions and the exact bytes of its settings file in code page
// 932. The native build and the Win32 build must both write exactly these bytes.
#include <string_view>

#include "core/model.h"

namespace velmarin {

inline void FillGoldenModel(Model& m) {
  m.WindowLeft = 1200;
  m.WindowTop = 900;
  m.PageCount = 2;
  m.Pages.resize(2);
  Settings& s = m.settings;
  s.MaxButton = 3;
  s.MaxDrawer = 2;
  s.MaxMultiExecute = 4;
  s.options.ShowToolTips = true;
  s.options.UseSkin = true;
  s.options.TrayIcon = true;
  s.options.TabClearsRun = true;
  s.options.StorageKeepItems = true;
  s.options.ToolTipWithExt = true;
  s.options.KeepDropMode = true;
  m.DropMode = true;  // saved as SavedDropMode
  s.HotKeyFlg = 3;
  s.HotKeyKey = 86;
  s.colors.ColTitleBarActBack = 8421504;
  s.colors.ColTitleBarInActFore = 12632256;
  s.colors.ColTitleBarInActBack = -1;
  s.colors.ColRunBack = 16777215;
  s.colors.ColStorageFore = 255;
  s.colors.ColStorageBack = 65280;

  Page& tools = m.Pages[0];
  tools.Caption = "ツール";
  Button& sheet = tools.Buttons[0];
  sheet.Path = "C:\\ソフト\\表計算.exe";
  sheet.ToolTip = "表計算";
  sheet.Params = "/n";
  sheet.ShowCmd = 3;
  sheet.Drawer[0] = "C:\\メモ.txt";
  Button& quit = tools.Buttons[2];
  quit.Path = ",EXIT";
  quit.ToolTip = "終了";
  quit.IconFile = "shell32.dll";
  quit.IconIndex = 27;
  quit.ShowCmd = 1;

  Button& editor = m.Pages[1].Buttons[0];
  editor.Path = "C:\\Windows\\notepad.exe";
  editor.ToolTip = "notepad";
  editor.Drawer[1] = "D:\\readme.txt";  // a gap before it: written as the first drawer line
}

// ツール, ソフト, 表計算, メモ and 終了 in code page 932; ソ and 表 end in 0x5C, the backslash.
inline constexpr std::string_view kGoldenFile =
    "X=1200\r\nY=900\r\nMaxPage=2\r\nMaxButton=3\r\nMaxDrawer=2\r\nMaxMultiExecute=4\r\n"
    "FlgAppearance=9\r\nFlgSystem=1\r\nFlgTitleBar=0\r\nFlgRunBehavior=8\r\n"
    "FlgStorageBehavior=16\r\nFlgEdit=2\r\nFlgMode=3\r\nFlgExecute=0\r\n"
    "HotKeyFlg=3\r\nHotKeyKey=86\r\n"
    "ColTitleBarActFore=0\r\nColTitleBarActBack=8421504\r\nColTitleBarInActFore=12632256\r\n"
    "ColTitleBarInActBack=-1\r\nColRunFore=0\r\nColRunBack=16777215\r\nColStorageFore=255\r\n"
    "ColStorageBack=65280\r\n"
    "G=0\r\n"
    "C=\x83\x63\x81\x5b\x83\x8b\r\n"
    "P=C:\\\x83\x5c\x83\x74\x83\x67\\\x95\x5c\x8c\x76\x8e\x5a.exe\r\n"
    "T=\x95\x5c\x8c\x76\x8e\x5a\r\n"
    "R=/n\r\n"
    "S=3\r\n"
    "M=C:\\\x83\x81\x83\x82.txt\r\n"
    "P=\r\n"
    "P=,EXIT\r\n"
    "T=\x8f\x49\x97\xb9\r\n"
    "I=shell32.dll,27\r\n"
    "G=1\r\n"
    "C=\r\n"
    "P=C:\\Windows\\notepad.exe\r\n"
    "T=notepad\r\n"
    "M=D:\\readme.txt\r\n"
    "P=\r\n"
    "P=\r\n"
    "\r\n";

}  // namespace velmarin
