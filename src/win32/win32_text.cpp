#include "win32/win32_text.h"

#include <windows.h>

#include <climits>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;
constexpr UINT kJapanese = 932;

bool FitsInt(size_t size) { return size <= static_cast<size_t>(INT_MAX); }

int Compare(const std::wstring& a, size_t aLength, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(aLength),
                        b.data(), static_cast<int>(b.size()));
}

// UTF-16 to a code page without best-fit look-alikes; std::nullopt when a character has no form.
std::optional<std::string> Encode(UINT codePage, const std::wstring& wide) {
  const int wideLength = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                    nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(n), '\0');
  if (WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(), n,
                          nullptr, &usedDefault) != n ||
      usedDefault) {
    return std::nullopt;
  }
  return out;
}

}  // namespace

std::optional<std::string> Win32Text::Utf8ToAnsi(const std::string& utf8) {
  if (utf8.empty()) return std::string();
  if (!FitsInt(utf8.size())) return std::nullopt;
  const std::wstring wide = Widen(utf8);
  // Invalid UTF-8 came through as U+FFFD, which no ANSI code page other than UTF-8 holds.
  if (GetACP() == CP_UTF8) {
    return wide.find(kReplacement) == std::wstring::npos ? std::optional(utf8) : std::nullopt;
  }
  return Encode(CP_ACP, wide);
}

std::optional<std::string> Win32Text::Cp932ToUtf8(const std::string& bytes) {
  if (bytes.empty()) return std::string();
  if (!FitsInt(bytes.size())) return std::nullopt;
  const int count = static_cast<int>(bytes.size());
  const int n =
      MultiByteToWideChar(kJapanese, MB_ERR_INVALID_CHARS, bytes.data(), count, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (MultiByteToWideChar(kJapanese, MB_ERR_INVALID_CHARS, bytes.data(), count, wide.data(), n) !=
      n)
    return std::nullopt;
  return Narrow(wide);
}

std::optional<std::string> Win32Text::Utf8ToCp932(const std::string& utf8) {
  if (utf8.empty()) return std::string();
  if (!FitsInt(utf8.size())) return std::nullopt;
  const std::wstring wide = Widen(utf8);
  // Invalid UTF-8 came through as U+FFFD, which code page 932 does not hold.
  if (wide.find(kReplacement) != std::wstring::npos) return std::nullopt;
  return Encode(kJapanese, wide);
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
