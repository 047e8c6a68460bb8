// The shell's side of the shelf: the desktop and send-to folders, shortcut files written through
// the shell-link object, and a file's property sheet.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shlobj.h>
// clang-format on

#include "win32/com_scope.h"
#include "win32/wide.h"
#include "win32/win32_shell.h"

namespace velmarin::win32 {

std::optional<std::string> Win32Shell::FolderPath(ShellFolder folder) {
  const int id = folder == ShellFolder::Desktop ? CSIDL_DESKTOP : CSIDL_SENDTO;
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner_, id, &list)) || !list) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListW(list, path) != FALSE;
  CoTaskMemFree(list);
  if (!found || !path[0]) return std::nullopt;
  return Narrow(path);
}

bool Win32Shell::CreateShellLink(const ShellLink& link) {
  if (link.linkFile.empty() || link.target.empty()) return false;
  ComScope com;
  if (!com.Usable()) return false;
  ComPtr<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              shellLink.Out()))) {
    return false;
  }
  bool ok = SUCCEEDED(shellLink->SetPath(Widen(link.target).c_str()));
  if (ok && !link.workDir.empty()) {
    ok = SUCCEEDED(shellLink->SetWorkingDirectory(Widen(link.workDir).c_str()));
  }
  if (ok && !link.args.empty()) ok = SUCCEEDED(shellLink->SetArguments(Widen(link.args).c_str()));
  if (ok && !link.iconFile.empty()) {
    ok = SUCCEEDED(shellLink->SetIconLocation(Widen(link.iconFile).c_str(), link.iconIndex));
  }
  if (ok) ok = SUCCEEDED(shellLink->SetShowCmd(link.showCmd));
  if (!ok) return false;
  // The link checks its target without a window and keeps what it finds; a target the shell
  // cannot follow still gets its shortcut.
  shellLink->Resolve(nullptr, SLR_NO_UI | SLR_UPDATE);
  ComPtr<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.Out()))) return false;
  return SUCCEEDED(file->Save(Widen(link.linkFile).c_str(), TRUE));
}

bool Win32Shell::ShowProperties(const std::string& path, std::string& failure) {
  SetLastError(0);
  if (SHObjectProperties(owner_, SHOP_FILEPATH, Widen(path).c_str(), nullptr)) return true;
  // A shell that gives no reason has not got the sheet at all.
  const DWORD code = GetLastError() ? GetLastError() : ERROR_NOT_SUPPORTED;
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  failure = length && text ? Narrow(std::wstring(text, length)) : std::string();
  if (text) LocalFree(text);
  // The system's words end with a line break; the box shows them without it.
  while (!failure.empty() && (failure.back() == '\n' || failure.back() == '\r')) failure.pop_back();
  return false;
}

}  // namespace velmarin::win32
