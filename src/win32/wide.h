#pragma once
// UTF-8 <-> UTF-16 at the boundary of the wide Win32 calls.
#include <string>

namespace velmarin::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace velmarin::win32
