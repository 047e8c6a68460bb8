#include "storage/bin_clipboard.h"

#include <optional>

namespace velmarin {

namespace {

void PutLittleEndian(std::string& out, uint32_t value) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
}

// UTF-8 to UTF-16 little-endian bytes; a malformed sequence becomes U+FFFD.
std::string Utf16Bytes(const std::string& text) {
  std::string out;
  auto put = [&out](uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
  };
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    int extra = byte < 0x80         ? 0
                : (byte >> 5) == 6  ? 1
                : (byte >> 4) == 14 ? 2
                : (byte >> 3) == 30 ? 3
                                    : -1;
    uint32_t cp = extra == 0   ? byte
                  : extra == 1 ? (byte & 0x1F)
                  : extra == 2 ? (byte & 0x0F)
                               : (byte & 0x07);
    bool valid = extra >= 0;
    if (valid) {
      for (int k = 1; k <= extra; ++k) {
        if (i + static_cast<size_t>(k) >= text.size()) {
          valid = false;
          break;
        }
        const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
          valid = false;
          break;
        }
        cp = (cp << 6) | (next & 0x3F);
      }
    }
    if (!valid || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      put(0xFFFD);
      ++i;
      continue;
    }
    i += static_cast<size_t>(extra) + 1;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      put(0xD800 + (cp >> 10));
      put(0xDC00 + (cp & 0x3FF));
    } else {
      put(cp);
    }
  }
  return out;
}

std::optional<std::string> ToAnsi(App& app, const std::string& text) {
  if (app.platform.text) return app.platform.text->Utf8ToAnsi(text);
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
  }
  return text;
}

std::string Header(bool wide) {
  std::string header;
  PutLittleEndian(header, 20);  // where the list starts
  PutLittleEndian(header, 0);   // drop point x
  PutLittleEndian(header, 0);   // drop point y
  PutLittleEndian(header, 0);   // not in a non-client area
  PutLittleEndian(header, wide ? 1 : 0);
  return header;
}

}  // namespace

std::string FileDropBlock(App& app, const std::vector<std::string>& files) {
  std::string ansi;
  bool fits = true;
  for (const std::string& file : files) {
    const auto converted = ToAnsi(app, file);
    if (!converted) {
      fits = false;
      break;
    }
    ansi += *converted;
    ansi.push_back('\0');
  }
  if (fits) {
    ansi.push_back('\0');  // the end of the list
    ansi.push_back('\0');  // the spare byte
    return Header(false) + ansi;
  }
  const std::string zero(2, '\0');
  std::string wide;
  for (const std::string& file : files) wide += Utf16Bytes(file) + zero;
  return Header(true) + wide + zero + zero;
}

int32_t AnsiByteLength(App& app, const std::string& text) {
  const auto converted = ToAnsi(app, text);
  return static_cast<int32_t>(converted ? converted->size() : text.size());
}

void ClearClipboard(App& app) {
  if (app.platform.clipboard) app.platform.clipboard->Fill({});
}

bool CopyFilesToClipboard(App& app, const std::vector<std::string>& files, int32_t effect) {
  IClipboard* clipboard = app.platform.clipboard;
  if (!clipboard) return false;
  std::string bytes;
  PutLittleEndian(bytes, static_cast<uint32_t>(effect));
  // In one go: a clipboard history or a remote desktop that copied the list before its effect
  // was there would take a cut for a copy.
  return clipboard->Fill({{"", FileDropBlock(app, files)}, {kPreferredDropEffect, bytes}});
}

}  // namespace velmarin
