#include "fake/fake_system.h"

#include "core/strings.h"

namespace velmarin {

bool FakeSystem::AcquireSingleInstance() {
  Log("AcquireSingleInstance");
  return !anotherInstance;
}

void FakeSystem::ShowMainWindow(bool show) {
  Log(show ? "ShowMainWindow" : "HideMainWindow");
  visible = show;
}

void FakeSystem::MoveMainWindow(const PixelRect& rect) {
  Log("MoveMainWindow");
  outer = rect;
  ++moves;
}

void FakeSystem::CloseOtherWindows() {
  Log("CloseOtherWindows");
  ++otherWindowsClosed;
}

void FakeSystem::EndProgram() {
  Log("EndProgram");
  ended = true;
}

void FakeSystem::EndProgramNow() {
  Log("EndProgramNow");
  ended = true;
  endedNow = true;
}

bool FakeSystem::CursorClientPosition(int& x, int& y) {
  if (!cursorKnown) return false;
  x = cursorX;
  y = cursorY;
  return true;
}

std::optional<PixelRect> FakeControls::Bounds(ControlId id) {
  const auto found = controls.find(id);
  if (found == controls.end() || !found->second.placed) return std::nullopt;
  return found->second.rect;
}

void FakeSystem::EnableMainWindow(bool on) {
  Log(on ? "EnableMainWindow" : "DisableMainWindow");
  enabled = on;
}

void FakeSystem::MoveMainWindowTo(int left, int top) {
  Log("MoveMainWindowTo");
  outer.left = left;
  outer.top = top;
  ++moves;
}

void FakeControls::ClearCell(ControlId id, int32_t color) {
  Control& c = controls[id];
  c.clearedTo = color;
  c.drawn.clear();
}

void FakeControls::PrintTextAt(ControlId id, int x, int y, const std::string& text,
                               const TextFont& font, int32_t color) {
  controls[id].drawn.push_back(
      {"caption", text + "@" + std::to_string(x) + "," + std::to_string(y) + " " +
                      std::to_string(font.points) + (font.bold ? "pt bold #" : "pt #") +
                      std::to_string(color)});
}

void FakeControls::Place(ControlId id, const PixelRect& rect) {
  Control& c = controls[id];
  // The real window refuses a negative size; the control keeps its old one.
  c.rect.left = rect.left;
  c.rect.top = rect.top;
  if (rect.width >= 0 && rect.height >= 0) {
    c.rect.width = rect.width;
    c.rect.height = rect.height;
  }
  c.placed = true;
}

void FakeControls::SetFace(ControlId id, FaceList list, int picture) {
  Control& c = controls[id];
  c.faceList = list;
  c.face = picture;
  c.drawn.clear();
}

ExtractedIcon FakeControls::ExtractFileIcon(const std::string& source, int index) {
  const auto found = iconFiles.find(UpperAscii(source));
  if (found == iconFiles.end()) return {IconLookup::NoSuchFile, 0};
  if (found->second == 0) return {IconLookup::NotIncluded, 0};
  if (index < 0 || index >= found->second) return {IconLookup::NotFound, 0};
  const IconHandle h = next_++;
  handles_[h] = source + "#" + std::to_string(index);
  ++liveIcons;
  return {IconLookup::Icon, h};
}

ExtractedIcon FakeControls::ShellIcon(const std::string& path) {
  shellIconQuestions.push_back(path);
  if (shellIcons.count(UpperAscii(path)) == 0) return {IconLookup::NotFound, 0};
  const IconHandle h = next_++;
  handles_[h] = "shell:" + path;
  ++liveIcons;
  return {IconLookup::Icon, h};
}

void FakeControls::DrawIcon(ControlId id, int x, int y, IconHandle icon) {
  const auto found = handles_.find(icon);
  const std::string what = found == handles_.end() ? "?" : found->second;
  controls[id].drawn.push_back({"icon", what + "@" + std::to_string(x) + "," + std::to_string(y)});
}

void FakeControls::DestroyIcon(IconHandle icon) {
  if (handles_.erase(icon) > 0) --liveIcons;
}

void FakeControls::PrintText(ControlId id, const std::string& text) {
  controls[id].drawn.push_back({"text", text});
}

void FakeControls::DrawLine(ControlId id, int x1, int y1, int x2, int y2) {
  controls[id].drawn.push_back({"line", std::to_string(x1) + "," + std::to_string(y1) + "-" +
                                            std::to_string(x2) + "," + std::to_string(y2)});
}

namespace {

std::string RectText(const PixelRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

}  // namespace

void FakeControls::SetBackColor(ControlId id, int32_t color) {
  Control& c = controls[id];
  c.back = color;
  // A cell cleared to its new colour.
  c.drawn.clear();
}

void FakeControls::SetFont(ControlId id, int points, bool bold) {
  controls[id].fontPoints = points;
  controls[id].bold = bold;
}

std::optional<PixelSize> FakeControls::LoadSkinPicture(const std::string& path) {
  ++skinLoads;
  const auto found = skinFiles.find(path);
  if (found == skinFiles.end()) {
    skinPicture.reset();
  } else {
    skinPicture = found->second;
  }
  return skinPicture;
}

void FakeControls::CopySkin(ControlId id, const PixelRect& from, int x, int y) {
  controls[id].drawn.push_back(
      {"skin", RectText(from) + "@" + std::to_string(x) + "," + std::to_string(y)});
}

void FakeControls::AndSkin(ControlId id, const PixelRect& from, int x, int y) {
  controls[id].drawn.push_back(
      {"and", RectText(from) + "@" + std::to_string(x) + "," + std::to_string(y)});
}

}  // namespace velmarin
