#pragma once
// The in-memory model: pages of buttons with their drawers, the settings record with its limits,
// flag words and options, and the runtime state that is saved with the settings.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace velmarin {

inline constexpr int kButtonSlots = 12;  // size of Page::Buttons
inline constexpr int kDrawerSlots = 4;   // size of Button::Drawer
inline constexpr int kCellSize = 37;     // ButtonWidth and ButtonHeight, pixels
// The most pages the table grows to. A real user keeps a few dozen; a settings line asking for
// more (a typo, a damaged file) must not make the program allocate gigabytes.
inline constexpr int32_t kMaxPageCount = 10000;

struct Button {
  int16_t State = 0;         // 1 up, 2 held down by the mouse
  std::string Path;          // the item string; empty = empty slot
  std::string ParentFolder;  // derived from Path
  std::string DriveName;     // derived from Path
  std::string FileName;      // derived from Path
  std::string BaseName;      // derived from Path
  std::string Extension;     // derived from Path, without the dot
  std::string ToolTip;
  std::string IconFile;
  int16_t IconIndex = 0;
  std::string Params;
  int16_t ShowCmd = 0;  // 2 minimized, 3 maximized, anything else normal
  std::array<std::string, kDrawerSlots> Drawer;
};

struct Page {
  std::string Caption;
  std::array<Button, kButtonSlots> Buttons;
};

// The Boolean options, each stored at one bit of one flag word.
struct Options {
  // FlgAppearance
  bool ShowToolTips = false;
  bool ShowDrawerCount = false;
  bool MenuNumbers = false;
  bool UseSkin = false;
  bool PaintRunBox = false;
  // FlgSystem
  bool TrayIcon = false;
  bool AlwaysOnTop = false;
  bool UseHotKey = false;
  // FlgTitleBar
  bool PageButtonsMoveWindow = false;
  // FlgRunBehavior
  bool RunToolTipParams = false;
  bool RunAutoDropDown = false;
  bool ClickClearsRun = false;
  bool TabClearsRun = false;
  // FlgStorageBehavior
  bool StorageMultiExecute = false;
  bool StorageDblClickExecute = false;
  bool StorageDblClickClose = false;
  bool StorageNotifyDuplicate = false;
  bool StorageKeepItems = false;
  bool StorageExecuteDropped = false;
  // FlgEdit
  bool RegisterLinkTarget = false;
  bool ToolTipWithExt = false;
  bool CplToolTip = false;
  // FlgMode
  bool KeepDropMode = false;
  bool SavedDropMode = false;
  bool StartInExecuteMode = false;
  bool KeepStorageOpen = false;
  bool SavedStorageOpen = false;
  // FlgExecute
  bool ShortPathExecute = false;

  bool operator==(const Options&) const = default;
};

struct FlagWords {
  int32_t FlgAppearance = 0;
  int32_t FlgSystem = 0;
  int32_t FlgTitleBar = 0;
  int32_t FlgRunBehavior = 0;
  int32_t FlgStorageBehavior = 0;
  int32_t FlgEdit = 0;
  int32_t FlgMode = 0;
  int32_t FlgExecute = 0;
};

struct Colors {
  int32_t ColTitleBarActFore = 0;
  int32_t ColTitleBarActBack = 0;
  int32_t ColTitleBarInActFore = 0;
  int32_t ColTitleBarInActBack = 0;
  int32_t ColRunFore = 0;
  int32_t ColRunBack = 0;
  int32_t ColStorageFore = 0;
  int32_t ColStorageBack = 0;

  bool operator==(const Colors&) const = default;
};

struct Settings {
  int16_t MaxButton = 0;
  int16_t MaxDrawer = 0;
  int16_t MaxMultiExecute = 0;
  int16_t ButtonWidth = 0;
  int16_t ButtonHeight = 0;
  int32_t PanelLeft = 0;  // twips
  int32_t TitleTop = 0;   // twips
  int32_t HotKeyFlg = 0;
  int32_t HotKeyKey = 0;
  Colors colors;
  FlagWords flags;
  Options options;
};

// Counters kept while the settings file is read.
struct RecordCursor {
  int32_t page = 0;        // set by G=
  int32_t buttons = 0;     // buttons stored on the current page
  int32_t toolTips = 0;    // T= lines taken on the current page
  int32_t params = 0;      // R= lines taken on the current page
  int32_t shows = 0;       // S= lines taken on the current page
  int32_t icons = 0;       // I= lines taken on the current page
  int32_t drawerSlot = 0;  // next drawer slot of the most recent button
  int32_t captions = 0;    // C= lines read so far; never reset
  // A record came before the limit that admits it (P= before MaxButton=, M= before MaxDrawer=,
  // pages before MaxPage=) and was passed over, or a later P= took its slot.
  bool passedOver = false;
};

struct Model {
  std::vector<Page> Pages;
  int32_t PageCount = 0;  // the MaxPage setting
  int32_t CurrentPage = 0;
  Settings settings;
  bool DropMode = false;       // true = execute mode
  bool StorageIsOpen = false;  // mirrored into options.SavedStorageOpen
  // The main window's position in twips; set from X=/Y= or by the window itself.
  bool hasWindowLeft = false;
  bool hasWindowTop = false;
  float WindowLeft = 0;
  float WindowTop = 0;
  RecordCursor cursor;
  // Counts the edits of pages and buttons; copies kept of them (the Run box's tool tips) compare
  // it to know they are out of date. Whatever changes a button or a page bumps it.
  uint64_t edits = 0;
};

// Builds a flag word from options in bit order: item i (from 0) that is true sets bit i.
int32_t PackFlags(std::initializer_list<bool> options);

// Splits the eight flag words into the options; bits not listed are ignored.
void UnpackFlags(Settings& settings);
// Rebuilds the eight flag words from the options; bits not listed are dropped.
void PackAllFlags(Settings& settings);

// After loading: limits brought into range, cells 37 pixels, and the page table sized to
// PageCount keeping its contents.
void ClampLimits(Model& model);

// The page the slot lives on, or nullptr when the index is outside the table.
Page* PageAt(Model& model, int32_t index);
const Page* PageAt(const Model& model, int32_t index);

}  // namespace velmarin
