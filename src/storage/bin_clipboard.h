#pragma once
// Files put on the clipboard for a file manager to paste: the file-drop block (a 20-byte header,
// then the paths) and the preferred drop effect beside it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

inline constexpr int32_t kDropEffectCopy = 1;
inline constexpr int32_t kDropEffectMove = 2;
inline constexpr const char* kPreferredDropEffect = "Preferred DropEffect";

// The file-drop block: the header (list offset 20, drop point 0, 0, non-client 0, wide flag),
// each path with one zero after it, one more zero ending the list, and a spare zero. The paths
// are in the ANSI code page; when one of them has no form there, the whole block is written in
// UTF-16 with the wide flag set (zeros two bytes wide).
std::string FileDropBlock(App& app, const std::vector<std::string>& files);
// The number of bytes of text in the ANSI code page (its UTF-8 length when it does not fit).
int32_t AnsiByteLength(App& app, const std::string& text);

void ClearClipboard(App& app);
// Empties the clipboard and puts the file list and the effect (1 copy, 2 move) on it together.
// False when the clipboard could not be had (another program holds it open) or refused them.
bool CopyFilesToClipboard(App& app, const std::vector<std::string>& files, int32_t effect);

}  // namespace velmarin
