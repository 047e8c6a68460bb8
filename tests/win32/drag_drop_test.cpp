// Files dragged in and out through OLE under wine: the window's drop target turns what OLE
// reports into drag events, and the drag source offers its files as a file list the shell reads.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
#include <shlobj.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "win32/drag_source.h"
#include "win32/drop_target.h"
#include "win32/main_window.h"
#include "win32/wide.h"

namespace velmarin::win32 {
namespace {

const std::vector<std::wstring> kPaths = {L"C:\\My Documents\\plan a.txt",
                                          L"C:\\\u30c7\u30fc\u30bf\\\u8868.csv"};

struct Recorder {
  std::vector<DragEvent> events;
  DropTarget* target = nullptr;
  Recorder() {
    // Cells left of x = 100 take drops (cell 3, its corner at 20, 10); the mode cell right of it
    // answers no; below y = 100 nothing takes them.
    target = new DropTarget(
        [](POINT p) -> std::optional<DropPlace> {
          if (p.y >= 100) return std::nullopt;
          if (p.x < 100) return DropPlace{{ControlKind::Picture1, 3}, {p.x - 20, p.y - 10}};
          return DropPlace{{ControlKind::DDExecute, 0}, {p.x - 100, p.y}};
        },
        [this](const DragEvent& e) {
          events.push_back(e);
          return e.control.kind == ControlKind::Picture1 ? DropEffect::Copy : DropEffect::None;
        });
  }
  ~Recorder() { target->Release(); }
};

TEST(DropTarget, TurnsOleCallsIntoDragEvents) {
  IDataObject* data = MakeFileDataObject(kPaths);
  Recorder r;
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(r.target->DragEnter(data, MK_RBUTTON | MK_SHIFT, {30, 40}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY)) << "a copy, never a move";
  ASSERT_EQ(r.events.size(), 1u);
  EXPECT_EQ(r.events[0].action, DragAction::Enter);
  EXPECT_EQ(r.events[0].control, (ControlId{ControlKind::Picture1, 3}));
  EXPECT_EQ(r.events[0].buttons, kDragRightButton);
  EXPECT_EQ(r.events[0].shift, kShiftMask);
  EXPECT_EQ(r.events[0].x, 10);
  EXPECT_EQ(r.events[0].y, 30);
  EXPECT_EQ(r.events[0].files,
            (std::vector<std::string>{"C:\\My Documents\\plan a.txt", "C:\\データ\\表.csv"}));

  // Over the same cell; then across to the mode cell, which hears an enter after the cell's
  // leave and answers that nothing may drop there.
  effect = DROPEFFECT_COPY;
  r.target->DragOver(MK_RBUTTON | MK_CONTROL | MK_ALT, {31, 40}, &effect);
  EXPECT_EQ(r.events.back().action, DragAction::Over);
  EXPECT_EQ(r.events.back().shift, kCtrlMask | kAltMask);
  effect = DROPEFFECT_COPY;
  r.target->DragOver(MK_RBUTTON, {150, 40}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_EQ(r.events.size(), 4u);
  EXPECT_EQ(r.events[2].action, DragAction::Leave);
  EXPECT_EQ(r.events[2].control.kind, ControlKind::Picture1);
  EXPECT_EQ(r.events[3].action, DragAction::Enter);
  EXPECT_EQ(r.events[3].control.kind, ControlKind::DDExecute);
  // Where nothing takes drops: the mode cell is left, no event for the empty place.
  effect = DROPEFFECT_COPY;
  r.target->DragOver(MK_RBUTTON, {30, 150}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_EQ(r.events.size(), 5u);
  EXPECT_EQ(r.events[4].action, DragAction::Leave);

  // The drop on the cell: no button is held any more, the drag's right button is reported.
  // A source offering only a move or a link gets a link.
  effect = DROPEFFECT_MOVE | DROPEFFECT_LINK;
  ASSERT_EQ(r.target->Drop(data, MK_CONTROL, {25, 15}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK));
  ASSERT_EQ(r.events.size(), 6u);
  EXPECT_EQ(r.events[5].action, DragAction::Drop);
  EXPECT_EQ(r.events[5].buttons, kDragRightButton);
  EXPECT_EQ(r.events[5].shift, kCtrlMask);
  EXPECT_EQ(r.events[5].files.size(), 2u);
  data->Release();

  // A source offering only a move drops too; after the drop it hears that nothing was moved,
  // so it deletes nothing.
  Recorder moveOnly;
  IDataObject* again = MakeFileDataObject(kPaths);
  effect = DROPEFFECT_MOVE;
  moveOnly.target->DragEnter(again, MK_LBUTTON, {30, 40}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  effect = DROPEFFECT_MOVE;
  moveOnly.target->DragOver(MK_LBUTTON, {150, 40}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "the mode cell still answers no";
  effect = DROPEFFECT_MOVE;
  moveOnly.target->Drop(again, 0, {30, 40}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(moveOnly.events.back().action, DragAction::Drop);
  EXPECT_EQ(moveOnly.events.back().files.size(), 2u);
  again->Release();
}

TEST(DragSource, OffersTheFilesAsAFileList) {
  IDataObject* data = MakeFileDataObject(kPaths);
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_EQ(data->QueryGetData(&format), S_OK);
  FORMATETC text{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_NE(data->QueryGetData(&text), S_OK);

  IEnumFORMATETC* formats = nullptr;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
  FORMATETC listed[2] = {};
  ULONG fetched = 0;
  formats->Next(2, listed, &fetched);
  formats->Release();
  ASSERT_EQ(fetched, 1u);
  EXPECT_EQ(listed[0].cfFormat, CF_HDROP);

  // The shell reads the block the data object gives.
  STGMEDIUM medium{};
  ASSERT_EQ(data->GetData(&format, &medium), S_OK);
  auto* drop = static_cast<HDROP>(medium.hGlobal);
  ASSERT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 2u);
  for (UINT i = 0; i < 2; ++i) {
    wchar_t path[MAX_PATH] = {};
    DragQueryFileW(drop, i, path, MAX_PATH);
    EXPECT_EQ(std::wstring(path), kPaths[i]);
  }
  ReleaseStgMedium(&medium);
  data->Release();
}

TEST(DragSource, FileListBlocksReadSafely) {
  // An ANSI list (code page 932 here) reads as UTF-8 too.
  const char ansi[] = "C:\\\x95\x5c.txt\0D:\\b c\0";
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof(ansi));
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), ansi, sizeof(ansi));
  GlobalUnlock(block);
  EXPECT_EQ(ReadFileListBlock(block), (std::vector<std::string>{"C:\\表.txt", "D:\\b c"}));
  // A header pointing outside the block gives no files instead of reading past it.
  header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = 1 << 20;
  GlobalUnlock(block);
  EXPECT_TRUE(ReadFileListBlock(block).empty());
  GlobalFree(block);
}

TEST(DropTarget, TheMainWindowRegistersOneAfterStarting) {
  App app;
  MainWindow window{app};
  app.platform.controls = &window;
  ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
  ASSERT_EQ(OleInitialize(nullptr), S_OK);
  IDropTarget* probe = new DropTarget(nullptr, nullptr);
  // Before the deferred parts the window has no target yet; afterwards it has one.
  EXPECT_EQ(RegisterDragDrop(window.Handle(), probe), S_OK);
  RevokeDragDrop(window.Handle());
  window.FinishStart();
  EXPECT_EQ(RegisterDragDrop(window.Handle(), probe), DRAGDROP_E_ALREADYREGISTERED);
  probe->Release();
  DestroyWindow(window.Handle());
  OleUninitialize();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

}  // namespace
}  // namespace velmarin::win32
