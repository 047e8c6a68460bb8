#pragma once
// The clipboard as the shelf fills it for a file manager to paste: emptied, then given a file
// list and further blocks under registered names. Each call opens and closes the clipboard.
#include <string>

namespace velmarin {

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  virtual bool Clear() = 0;
  // The file list block (its header and paths, as built by the shelf) in the file-drop format.
  virtual bool PutFileList(const std::string& block) = 0;
  // Bytes under a format registered by name ("Preferred DropEffect").
  virtual bool PutNamed(const std::string& formatName, const std::string& bytes) = 0;
};

}  // namespace velmarin
