#include "win32/win32_text.h"

#include <windows.h>

#include <climits>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// Decodes a piece of ANSI text strictly; false when any byte sequence in it is invalid.
bool DecodeStrict(const char* bytes, int count, std::wstring& out) {
  const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, count, nullptr, 0);
  if (n <= 0) return false;
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(n));
  return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, count, out.data() + start, n) ==
         n;
}

// Character by character, so that one bad byte costs one U+FFFD and not the whole text.
std::wstring DecodeLenient(const std::string& ansi) {
  std::wstring out;
  size_t i = 0;
  while (i < ansi.size()) {
    const auto lead = static_cast<BYTE>(ansi[i]);
    const bool pair = IsDBCSLeadByteEx(CP_ACP, lead) && i + 1 < ansi.size();
    const size_t before = out.size();
    if (pair && DecodeStrict(ansi.data() + i, 2, out)) {
      i += 2;
      continue;
    }
    out.resize(before);
    if (!pair && DecodeStrict(ansi.data() + i, 1, out)) {
      i += 1;
      continue;
    }
    out.resize(before);
    out.push_back(kReplacement);
    // A lead byte with a bad trail byte spends both, as the code page's own decoder does.
    i += pair ? 2 : 1;
  }
  return out;
}

bool FitsInt(size_t size) { return size <= static_cast<size_t>(INT_MAX); }

int Compare(const std::wstring& a, size_t aLength, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(aLength),
                        b.data(), static_cast<int>(b.size()));
}

}  // namespace

std::string Win32Text::AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty() || !FitsInt(ansi.size())) return {};
  std::wstring wide;
  if (!DecodeStrict(ansi.data(), static_cast<int>(ansi.size()), wide)) wide = DecodeLenient(ansi);
  return Narrow(wide);
}

std::optional<std::string> Win32Text::Utf8ToAnsi(const std::string& utf8) {
  if (utf8.empty()) return std::string();
  if (!FitsInt(utf8.size())) return std::nullopt;
  const std::wstring wide = Widen(utf8);
  // Invalid UTF-8 came through as U+FFFD, which no ANSI code page other than UTF-8 holds.
  if (GetACP() == CP_UTF8) {
    return wide.find(kReplacement) == std::wstring::npos ? std::optional(utf8) : std::nullopt;
  }
  const int wideLength = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr,
                                    0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(), n,
                          nullptr, &usedDefault) != n ||
      usedDefault) {
    return std::nullopt;
  }
  return out;
}

bool Win32Text::EqualsNoCase(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a.empty() && b.empty();
  if (!FitsInt(a.size()) || !FitsInt(b.size())) return false;
  const std::wstring wideA = Widen(a);
  return Compare(wideA, wideA.size(), Widen(b)) == CSTR_EQUAL;
}

bool Win32Text::StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (prefix.empty()) return true;
  if (!FitsInt(text.size()) || !FitsInt(prefix.size())) return false;
  const std::wstring wideText = Widen(text);
  const std::wstring widePrefix = Widen(prefix);
  if (widePrefix.size() > wideText.size()) return false;
  return Compare(wideText, widePrefix.size(), widePrefix) == CSTR_EQUAL;
}

int Win32Text::CompareNoCase(const std::string& a, const std::string& b) {
  if (!FitsInt(a.size()) || !FitsInt(b.size())) return a.compare(b);
  const std::wstring wideA = Widen(a);
  const int result = Compare(wideA, wideA.size(), Widen(b));
  // A comparison the system refuses falls back to the order of the bytes.
  if (result == 0) return a.compare(b);
  return result - CSTR_EQUAL;
}

}  // namespace velmarin::win32
