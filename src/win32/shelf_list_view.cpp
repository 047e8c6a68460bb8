#include "win32/shelf_list_view.h"

#include <vector>

#include "launch/shelf_register.h"
#include "win32/drag_source.h"
#include "win32/mouse_keys.h"
#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

bool SameKey(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                        b.c_str(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::wstring ItemText(HWND list, int index) {
  std::vector<wchar_t> buffer(260);
  for (;;) {
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const LRESULT length =
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), (LPARAM)&item);
    if (length < static_cast<LRESULT>(buffer.size()) - 1 || buffer.size() >= 32768) {
      return std::wstring(buffer.data(), static_cast<size_t>(length));
    }
    buffer.resize(buffer.size() * 4);
  }
}

// Texts of the items by id, read before sorting: the list may not be asked while it sorts.
int CALLBACK CompareTexts(LPARAM a, LPARAM b, LPARAM texts) {
  const auto& byId = *reinterpret_cast<const std::map<LPARAM, std::wstring>*>(texts);
  const std::wstring& left = byId.at(a);
  const std::wstring& right = byId.at(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.c_str(),
                        static_cast<int>(left.size()), right.c_str(),
                        static_cast<int>(right.size())) -
         CSTR_EQUAL;
}

constexpr wchar_t kSelfProperty[] = L"velmarinShelfList";

bool ButtonDown(MouseButton button) {
  return GetKeyState(button == MouseButton::Right ? VK_RBUTTON : VK_LBUTTON) < 0;
}

// Whether a mouse message's key flags hold the button down.
bool ButtonHeldIn(MouseButton button, WPARAM keys) {
  return (keys & (button == MouseButton::Right ? MK_RBUTTON : MK_LBUTTON)) != 0;
}

}  // namespace

Win32ShelfList::Win32ShelfList(HWND parent, int controlId, HIMAGELIST smallIcons) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  list_ = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_LIST | LVS_SHOWSELALWAYS | LVS_EDITLABELS, 0, 0, 0,
      0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
  if (!list_) return;
  SetSmallIcons(smallIcons);
  SetPropW(list_, kSelfProperty, this);
  listProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent,
                         nullptr, instance, nullptr);
  if (tip_) {
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(list_);
    tool.lpszText = tipText_.data();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, (LPARAM)&tool);
  }
}

Win32ShelfList::~Win32ShelfList() {
  if (list_ && IsWindow(list_) && listProc_) {
    SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_));
    RemovePropW(list_, kSelfProperty);
  }
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
  if (list_ && IsWindow(list_)) DestroyWindow(list_);
  if (listFont_) DeleteObject(listFont_);
  if (tipFont_) DeleteObject(tipFont_);
}

void Win32ShelfList::SetSmallIcons(HIMAGELIST smallIcons) {
  if (list_) SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)smallIcons);
}

HIMAGELIST Win32ShelfList::FollowDpi(int dpi, HIMAGELIST smallIcons) {
  GiveControlFont(list_, listFont_, ControlFont::IconTitle, dpi);
  GiveControlFont(tip_, tipFont_, ControlFont::Status, dpi);
  if (!list_) return smallIcons;  // nothing to show them: back to be destroyed
  if (!smallIcons) return nullptr;
  const auto before = reinterpret_cast<HIMAGELIST>(
      SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)smallIcons));
  for (int index = 0; index < Count(); ++index) SetSmallIcon(index, SmallIcon(index));
  return before;
}

int Win32ShelfList::Count() const {
  return list_ ? static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

LPARAM Win32ShelfList::IdAt(int index) const {
  if (!Valid(index)) return 0;
  LVITEMW item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!SendMessageW(list_, LVM_GETITEMW, 0, (LPARAM)&item)) return 0;
  return item.lParam;
}

ShelfAddResult Win32ShelfList::Add(const std::string& key, const std::string& text) {
  const std::wstring wideKey = Widen(key);
  for (const auto& [id, existing] : keys_) {
    if (SameKey(existing, wideKey)) return ShelfAddResult::DuplicateKey;
  }
  if (!list_) return ShelfAddResult::Failed;
  std::wstring wideText = Widen(text);
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  item.iItem = Count();
  item.pszText = wideText.data();
  item.iImage = I_IMAGENONE;
  item.lParam = nextId_;
  if (SendMessageW(list_, LVM_INSERTITEMW, 0, (LPARAM)&item) < 0) return ShelfAddResult::Failed;
  keys_[nextId_++] = wideKey;
  return ShelfAddResult::Added;
}

void Win32ShelfList::RemoveAt(int index) {
  const LPARAM id = IdAt(index);
  if (!id) return;
  SendMessageW(list_, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
  keys_.erase(id);
  kinds_.erase(id);
}

std::string Win32ShelfList::Key(int index) const {
  auto it = keys_.find(IdAt(index));
  return it == keys_.end() ? std::string() : Narrow(it->second);
}

std::string Win32ShelfList::Text(int index) const {
  return Valid(index) ? Narrow(ItemText(list_, index)) : std::string();
}

void Win32ShelfList::SetText(int index, const std::string& text) {
  if (!Valid(index)) return;
  std::wstring wideText = Widen(text);
  LVITEMW item = {};
  item.iSubItem = 0;
  item.pszText = wideText.data();
  SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), (LPARAM)&item);
}

int Win32ShelfList::SmallIcon(int index) const {
  const auto found = kinds_.find(IdAt(index));
  return found == kinds_.end() ? 0 : found->second;
}

void Win32ShelfList::SetSmallIcon(int index, int icon) {
  const LPARAM id = IdAt(index);
  if (!id) return;
  kinds_[id] = icon;
  LVITEMW item = {};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  item.iImage = icon > 0 ? icon - 1 : I_IMAGENONE;
  // A file or folder shows the shell's own icon for it; its kind's picture when there is none.
  if (icon >= ShelfIcon::kFile && icon < ShelfIcon::kInternal) {
    const auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(list_, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    const int own = fileIcons_.PictureOf(images, keys_[id]);
    if (own >= 0) item.iImage = own;
  }
  SendMessageW(list_, LVM_SETITEMW, 0, (LPARAM)&item);
}

bool Win32ShelfList::Selected(int index) const {
  return Valid(index) &&
         (SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) &
          LVIS_SELECTED) != 0;
}

void Win32ShelfList::SetSelected(int index, bool selected) {
  if (!Valid(index)) return;
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), (LPARAM)&item);
}

int Win32ShelfList::Focused() const {
  if (!list_) return -1;
  return static_cast<int>(
      SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

void Win32ShelfList::SetFocused(int index) {
  if (!list_) return;
  LVITEMW item = {};
  item.stateMask = LVIS_FOCUSED;
  if (!Valid(index)) {
    // No entry keeps the focus rectangle.
    const int current = Focused();
    if (current >= 0) {
      item.state = 0;
      SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(current), (LPARAM)&item);
    }
    return;
  }
  item.state = LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), (LPARAM)&item);
}

bool Win32ShelfList::Enabled() const { return list_ && IsWindowEnabled(list_); }

void Win32ShelfList::SetEnabled(bool enabled) {
  if (list_) EnableWindow(list_, enabled ? TRUE : FALSE);
}

bool Win32ShelfList::HasKeyboard() const {
  HWND focus = GetFocus();
  return list_ && focus && (focus == list_ || IsChild(list_, focus));
}

void Win32ShelfList::SetToolTip(const std::string& text) {
  toolTip_ = text;
  tipText_ = Widen(text);
  if (!tip_) return;
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = GetParent(list_);
  tool.uId = reinterpret_cast<UINT_PTR>(list_);
  tool.lpszText = tipText_.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, (LPARAM)&tool);
}

void Win32ShelfList::SortOnce() {
  if (!list_) return;
  std::map<LPARAM, std::wstring> texts;
  const int count = Count();
  for (int i = 0; i < count; ++i) texts[IdAt(i)] = ItemText(list_, i);
  SendMessageW(list_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&texts),
               reinterpret_cast<LPARAM>(&CompareTexts));
}

void Win32ShelfList::SetKey(int index, const std::string& key) {
  const LPARAM id = IdAt(index);
  if (id) keys_[id] = Widen(key);
}

void Win32ShelfList::StartLabelEdit(int index) {
  if (!Valid(index)) return;
  SetFocus(list_);
  SendMessageW(list_, LVM_EDITLABELW, static_cast<WPARAM>(index), 0);
}

LRESULT CALLBACK Win32ShelfList::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Win32ShelfList*>(GetPropW(hwnd, kSelfProperty));
  if (!self || !self->listProc_) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return self->OnMessage(msg, wParam, lParam);
}

void Win32ShelfList::Tell(MouseAction action, MouseButton button, WPARAM keys, LPARAM lParam) {
  if (!mouse_) return;
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  mouse_(action, button, ShiftValue(keys), point);
}

// The press is told before the list view selects (so the tool tip keeps the entry clicked last);
// the list may then keep the mouse in a loop of its own until the release, which is told right
// after when the list swallowed it.
LRESULT Win32ShelfList::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = listProc_;
  HWND list = list_;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      const MouseButton button = msg == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right;
      held_ = button;
      Tell(MouseAction::Press, button, wParam, lParam);
      const LRESULT result = CallWindowProcW(own, list, msg, wParam, lParam);
      if (ButtonDown(button)) {
        SetCapture(list);
      } else {
        held_.reset();
        POINT point;
        GetCursorPos(&point);
        ScreenToClient(list, &point);
        Tell(MouseAction::Release, button, wParam, MAKELPARAM(point.x, point.y));
      }
      return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const LRESULT result = CallWindowProcW(own, list, msg, wParam, lParam);
      if (held_) {
        const MouseButton button = *held_;
        held_.reset();
        if (GetCapture() == list) ReleaseCapture();
        Tell(MouseAction::Release, button, wParam, lParam);
      }
      return result;
    }
    case WM_MOUSEMOVE: {
      // The held mouse moving: the move is told before the list view follows it, and when it
      // dragged the selection out, the drag took the release and the gesture is over.
      if (!held_ || !ButtonHeldIn(*held_, wParam)) break;
      const unsigned drags = DragsRun();
      Tell(MouseAction::Move, *held_, wParam, lParam);
      if (DragsRun() != drags) {
        held_.reset();
        return 0;
      }
      break;
    }
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = CallWindowProcW(own, list, msg, wParam, lParam);
      Tell(MouseAction::DoubleClick, MouseButton::Left, wParam, lParam);
      return result;
    }
    default:
      break;
  }
  return CallWindowProcW(own, list, msg, wParam, lParam);
}

}  // namespace velmarin::win32
