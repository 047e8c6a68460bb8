#include "win32/row_accessible.h"

#include "shell/dialog_open.h"
#include "win32/main_window.h"
#include "win32/window_accessible.h"

namespace velmarin::win32 {

namespace {

constexpr HRESULT kGone = RPC_E_DISCONNECTED;

LONG RoleOf(CellRole role) {
  return role == CellRole::StaticText ? ROLE_SYSTEM_STATICTEXT : ROLE_SYSTEM_PUSHBUTTON;
}

LONG StateOf(const CellAccess& cell) {
  LONG state = 0;
  if (cell.unavailable) state |= STATE_SYSTEM_UNAVAILABLE;
  if (cell.pressed) state |= STATE_SYSTEM_PRESSED;
  if (cell.role == CellRole::StaticText) state |= STATE_SYSTEM_READONLY;
  return state;
}

}  // namespace

WPARAM EncodeCell(ControlId id) {
  return (static_cast<WPARAM>(id.kind) << 8) | static_cast<WPARAM>(id.index & 0xff);
}

ControlId DecodeCell(WPARAM value) {
  return {static_cast<ControlKind>((value >> 8) & 0xff), static_cast<int>(value & 0xff)};
}

RowAccessible::RowAccessible(MainWindow& window, App& app) : window_(&window), app_(app) {
  Read();
  told_ = cells_;
  windowsTold_ = windows_.size();
}

bool RowAccessible::Read() {
  if (!window_) return false;
  cells_ = AccessibleCells(app_);
  windows_.clear();
  if (window_->HasRunBox()) {
    HWND run = window_->RunBox();
    if (run && IsWindowVisible(run)) windows_.push_back(run);
  }
  HWND shelf = window_->ControlHandle({ControlKind::Storage, 0});
  if (shelf && IsWindowVisible(shelf)) windows_.push_back(shelf);
  return true;
}

RowAccessible::Child RowAccessible::At(LONG id) const {
  Child child;
  if (id >= 1 && static_cast<size_t>(id) <= cells_.size()) {
    child.cell = &cells_[static_cast<size_t>(id - 1)];
  } else if (id > 0 && static_cast<size_t>(id) <= cells_.size() + windows_.size()) {
    child.window = windows_[static_cast<size_t>(id) - cells_.size() - 1];
    const bool run = window_ && window_->HasRunBox() && child.window == window_->RunBox();
    child.windowName = run ? kRunBoxAccessName : kShelfAccessName;
    child.windowRole = run ? ROLE_SYSTEM_COMBOBOX : ROLE_SYSTEM_LIST;
  }
  return child;
}

void RowAccessible::Announce() {
  if (!Read()) return;
  const HWND hwnd = window_->Handle();
  const CellChanges changes = CompareCells(told_, cells_);
  if (changes.reordered || windows_.size() != windowsTold_) {
    NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd, OBJID_CLIENT, CHILDID_SELF);
  }
  for (size_t k : changes.renamed) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, static_cast<LONG>(k + 1));
  }
  for (size_t k : changes.restated) {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd, OBJID_CLIENT, static_cast<LONG>(k + 1));
  }
  told_ = cells_;
  windowsTold_ = windows_.size();
}

HRESULT RowAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!window_) return kGone;
  return AccessibleObjectFromWindow(window_->Handle(), static_cast<DWORD>(OBJID_WINDOW),
                                    IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT RowAccessible::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = 0;
  if (!Read()) return kGone;
  *count = Count();
  return S_OK;
}

HRESULT RowAccessible::get_accChild(VARIANT child, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!Read()) return kGone;
  const Child c = At(ChildIdOf(child));
  if (c.cell) return S_FALSE;  // a simple element: its parent answers for it
  if (!c.window) return E_INVALIDARG;
  *out = MakeWindowAccessible(c.window, c.windowName, c.windowRole);
  return *out ? S_OK : E_FAIL;
}

HRESULT RowAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  if (!Read()) return kGone;
  const LONG id = ChildIdOf(child);
  if (id == CHILDID_SELF) return ReaderText("velmarin", name);
  const Child c = At(id);
  if (c.cell) return ReaderText(c.cell->name, name);
  if (c.window) return ReaderText(c.windowName, name);
  return E_INVALIDARG;
}

HRESULT RowAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (value) *value = nullptr;
  return window_ ? S_FALSE : kGone;
}

HRESULT RowAccessible::CellText(VARIANT child, std::string CellAccess::*field, BSTR* text) {
  if (!text) return E_POINTER;
  *text = nullptr;
  if (!Read()) return kGone;
  const Child c = At(ChildIdOf(child));
  return c.cell ? ReaderText(c.cell->*field, text) : S_FALSE;
}

HRESULT RowAccessible::get_accDescription(VARIANT child, BSTR* text) {
  return CellText(child, &CellAccess::description, text);
}

HRESULT RowAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  if (!Read()) return kGone;
  const LONG id = ChildIdOf(child);
  const Child c = At(id);
  if (id == CHILDID_SELF)
    *role = IntVariant(ROLE_SYSTEM_CLIENT);
  else if (c.cell)
    *role = IntVariant(RoleOf(c.cell->role));
  else if (c.window)
    *role = IntVariant(c.windowRole);
  else
    return E_INVALIDARG;
  return S_OK;
}

HRESULT RowAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  if (!Read()) return kGone;
  const LONG id = ChildIdOf(child);
  const Child c = At(id);
  const HWND hwnd = window_->Handle();
  if (id == CHILDID_SELF) {
    LONG s = IsWindowEnabled(hwnd) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (GetFocus() == hwnd) s |= STATE_SYSTEM_FOCUSED;
    *state = IntVariant(s);
  } else if (c.cell) {
    // While a dialog is open no cell takes a press.
    *state = IntVariant(StateOf(*c.cell) | (IsWindowEnabled(hwnd) ? 0 : STATE_SYSTEM_UNAVAILABLE));
  } else if (c.window) {
    LONG s = STATE_SYSTEM_FOCUSABLE;
    const HWND focus = GetFocus();
    if (focus == c.window || IsChild(c.window, focus)) s |= STATE_SYSTEM_FOCUSED;
    *state = IntVariant(s);
  } else {
    return E_INVALIDARG;
  }
  return S_OK;
}

HRESULT RowAccessible::get_accFocus(VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (!Read()) return kGone;
  const HWND focus = GetFocus();
  if (focus == window_->Handle()) {
    *out = IntVariant(CHILDID_SELF);
    return S_OK;
  }
  for (LONG id = static_cast<LONG>(cells_.size()) + 1; id <= Count(); ++id) {
    const Child c = At(id);
    if (focus == c.window || IsChild(c.window, focus)) {
      IDispatch* object = MakeWindowAccessible(c.window, c.windowName, c.windowRole);
      if (!object) return E_FAIL;
      out->vt = VT_DISPATCH;
      out->pdispVal = object;
      return S_OK;
    }
  }
  return S_FALSE;
}

HRESULT RowAccessible::get_accSelection(VARIANT* out) {
  if (out) VariantInit(out);
  return window_ ? S_FALSE : kGone;
}

HRESULT RowAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  return CellText(child, &CellAccess::defaultAction, action);
}

HRESULT RowAccessible::accSelect(LONG, VARIANT) { return window_ ? DISP_E_MEMBERNOTFOUND : kGone; }

HRESULT RowAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                   VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  if (!Read()) return kGone;
  const LONG id = ChildIdOf(child);
  const Child c = At(id);
  RECT rc{};
  bool found = false;
  if (id == CHILDID_SELF) {
    const HWND hwnd = window_->Handle();
    found = GetClientRect(hwnd, &rc) &&
            MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2) >= 0;
  } else if (c.cell) {
    found = window_->ScreenRect(c.cell->id, rc);
  } else if (c.window) {
    found = GetWindowRect(c.window, &rc);
  } else {
    return E_INVALIDARG;
  }
  if (!found) return E_FAIL;
  *left = rc.left;
  *top = rc.top;
  *width = rc.right - rc.left;
  *height = rc.bottom - rc.top;
  return S_OK;
}

HRESULT RowAccessible::accNavigate(LONG dir, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  if (!Read()) return kGone;
  const LONG from = ChildIdOf(start);
  LONG to = 0;
  if (from == CHILDID_SELF) {
    if (dir == NAVDIR_FIRSTCHILD) to = 1;
    if (dir == NAVDIR_LASTCHILD) to = Count();
  } else if (from > 0 && from <= Count()) {
    if (dir == NAVDIR_NEXT) to = from + 1;
    if (dir == NAVDIR_PREVIOUS) to = from - 1;
  }
  if (to < 1 || to > Count()) return S_FALSE;
  const Child c = At(to);
  if (c.window) {
    IDispatch* object = MakeWindowAccessible(c.window, c.windowName, c.windowRole);
    if (!object) return E_FAIL;
    end->vt = VT_DISPATCH;
    end->pdispVal = object;
    return S_OK;
  }
  *end = IntVariant(to);
  return S_OK;
}

HRESULT RowAccessible::accHitTest(LONG x, LONG y, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (!Read()) return kGone;
  const POINT screen{x, y};
  for (LONG id = static_cast<LONG>(cells_.size()) + 1; id <= Count(); ++id) {
    const Child c = At(id);
    RECT rc{};
    if (GetWindowRect(c.window, &rc) && PtInRect(&rc, screen)) {
      IDispatch* object = MakeWindowAccessible(c.window, c.windowName, c.windowRole);
      if (!object) return E_FAIL;
      out->vt = VT_DISPATCH;
      out->pdispVal = object;
      return S_OK;
    }
  }
  POINT client = screen;
  const HWND hwnd = window_->Handle();
  RECT area{};
  if (!ScreenToClient(hwnd, &client) || !GetClientRect(hwnd, &area) || !PtInRect(&area, client)) {
    return S_FALSE;
  }
  *out = IntVariant(CHILDID_SELF);
  if (const auto cell = window_->CellAt(client.x, client.y)) {
    for (size_t k = 0; k < cells_.size(); ++k) {
      if (cells_[k].id == *cell) *out = IntVariant(static_cast<LONG>(k + 1));
    }
  }
  return S_OK;
}

HRESULT RowAccessible::accDoDefaultAction(VARIANT child) {
  if (!Read()) return kGone;
  const Child c = At(ChildIdOf(child));
  if (!c.cell || c.cell->defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
  // A click does nothing while a dialog is open; neither does a press.
  if (DialogOpen(app_)) return E_FAIL;
  // Carried out after this call returns: the launch may ask a question or end the program.
  const auto page = static_cast<LPARAM>(app_.model.CurrentPage);
  return PostMessageW(window_->Handle(), kMsgAccessPress, EncodeCell(c.cell->id), page) ? S_OK
                                                                                        : E_FAIL;
}

}  // namespace velmarin::win32
