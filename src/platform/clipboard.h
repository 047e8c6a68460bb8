#pragma once
// The clipboard as the shelf fills it for a file manager to paste: emptied and given every block
// of one cut or copy (the file list and the blocks beside it) in one go.
#include <string>
#include <vector>

namespace velmarin {

// One block for the clipboard: bytes under a format registered by name ("Preferred DropEffect"),
// or, with no name, the file list block (its header and paths, as the shelf builds it) in the
// file-drop format.
struct ClipboardBlock {
  std::string formatName;
  std::string bytes;
};

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Empties the clipboard and puts the blocks on it, all while it is open once, so that whoever
  // watches the clipboard sees them together (no blocks: it is only emptied). False when the
  // clipboard could not be had (another program holds it open) or refused a block.
  virtual bool Fill(const std::vector<ClipboardBlock>& blocks) = 0;
};

}  // namespace velmarin
