#include "launch/shelf_register.h"

#include "launch/names.h"

namespace velmarin {

// First cut: key and text only. Icons, the duplicate message and failures come with the shelf.
void AddToShelf(App& app, const std::string& item) {
  IShelfList* shelf = app.platform.shelf;
  if (item.empty() || !shelf) return;
  if (IsDriveRoot(item) || isVelmName(app, item)) {
    shelf->Add(item, item);
    return;
  }
  Button temp;
  temp.Path = item;
  SetPathParts(app, temp);
  shelf->Add(item, temp.FileName);
}

}  // namespace velmarin
