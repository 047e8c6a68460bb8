#include "fake/fake_files.h"

#include "core/strings.h"

namespace velmarin {

namespace {

std::string Normalise(const std::string& path) {
  std::string out;
  for (char c : path) out.push_back(c == '/' ? '\\' : c);
  while (out.size() > 3 && out.back() == '\\') out.pop_back();
  return out;
}

std::string ParentOf(const std::string& path) {
  const size_t cut = path.rfind('\\');
  if (cut == std::string::npos) return {};
  if (cut == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, cut);
}

std::string NameOf(const std::string& path) {
  const size_t cut = path.rfind('\\');
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  const std::string p = UpperAscii(pattern);
  const std::string n = UpperAscii(name);
  size_t pi = 0, ni = 0, star = std::string::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

FakeFiles::FakeFiles() {
  drives_['C'] = DriveType::Fixed;
  AddFolder("C:\\");
}

std::string FakeFiles::Key(const std::string& path) { return UpperAscii(Normalise(path)); }

bool FakeFiles::Unreadable(const std::string& path) const {
  if (path.size() < 2 || path[1] != ':') return false;
  const char letter = UpperAscii(path.substr(0, 1))[0];
  return unreadable_.count(letter) > 0;
}

void FakeFiles::AddFolder(const std::string& path, uint32_t attributes) {
  const std::string p = Normalise(path);
  const std::string parent = ParentOf(p);
  if (!parent.empty() && parent != p && !Exists(parent)) AddFolder(parent);
  entries_[Key(p)] = Entry{p, {}, attributes | Attr::kDirectory};
}

void FakeFiles::AddFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
  const std::string p = Normalise(path);
  const std::string parent = ParentOf(p);
  if (!parent.empty() && !Exists(parent)) AddFolder(parent);
  entries_[Key(p)] = Entry{p, bytes, attributes};
}

void FakeFiles::Remove(const std::string& path) { entries_.erase(Key(path)); }

void FakeFiles::SetDriveType(char letter, DriveType type) {
  drives_[UpperAscii(std::string(1, letter))[0]] = type;
}

void FakeFiles::SetDriveUnreadable(char letter, bool unreadable) {
  const char l = UpperAscii(std::string(1, letter))[0];
  if (unreadable) {
    unreadable_.insert(l);
  } else {
    unreadable_.erase(l);
  }
}

void FakeFiles::SetShortName(const std::string& longPath, const std::string& shortPath) {
  shortNames_[Key(longPath)] = shortPath;
}

void FakeFiles::SetLinkTarget(const std::string& linkPath, const std::string& target) {
  links_[Key(linkPath)] = target;
}

bool FakeFiles::Exists(const std::string& path) const { return entries_.count(Key(path)) > 0; }

std::string FakeFiles::Contents(const std::string& path) const {
  auto it = entries_.find(Key(path));
  return it == entries_.end() ? std::string() : it->second.bytes;
}

std::optional<bool> FakeFiles::MatchExists(const std::string& pattern, bool foldersToo) {
  if (Unreadable(pattern)) return std::nullopt;
  const std::string p = Normalise(pattern);
  const bool wild = p.find_first_of("*?") != std::string::npos;
  if (!wild) {
    auto it = entries_.find(Key(p));
    if (it == entries_.end()) return false;
    const bool folder = (it->second.attributes & Attr::kDirectory) != 0;
    return foldersToo || !folder;
  }
  const std::string parentKey = Key(ParentOf(p));
  const std::string namePattern = NameOf(p);
  for (const auto& [key, entry] : entries_) {
    if (Key(ParentOf(entry.path)) != parentKey || entry.path == ParentOf(entry.path)) continue;
    if (!WildcardMatch(namePattern, NameOf(entry.path))) continue;
    const bool folder = (entry.attributes & Attr::kDirectory) != 0;
    if (foldersToo || !folder) return true;
  }
  return false;
}

std::optional<uint32_t> FakeFiles::Attributes(const std::string& path) {
  if (Unreadable(path)) return std::nullopt;
  auto it = entries_.find(Key(path));
  if (it == entries_.end()) return std::nullopt;
  return it->second.attributes;
}

DriveType FakeFiles::TypeOfDrive(const std::string& drive) {
  if (drive.empty()) return DriveType::Unknown;
  auto it = drives_.find(UpperAscii(drive.substr(0, 1))[0]);
  return it == drives_.end() ? DriveType::NoRootDir : it->second;
}

std::optional<std::string> FakeFiles::ReadAll(const std::string& path) {
  if (Unreadable(path)) return std::nullopt;
  auto it = entries_.find(Key(path));
  if (it == entries_.end() || (it->second.attributes & Attr::kDirectory)) return std::nullopt;
  return it->second.bytes;
}

bool FakeFiles::ReplaceAtomically(const std::string& path, const std::string& bytes) {
  if (failWrites_ || Unreadable(path)) return false;
  const std::string parent = ParentOf(Normalise(path));
  if (!parent.empty() && !Exists(parent)) return false;
  auto it = entries_.find(Key(path));
  if (it != entries_.end() && (it->second.attributes & Attr::kDirectory)) return false;
  ++writes_;
  AddFile(path, bytes);
  return true;
}

bool FakeFiles::Rename(const std::string& from, const std::string& to) {
  auto it = entries_.find(Key(from));
  if (it == entries_.end() || Exists(to)) return false;
  Entry entry = it->second;
  entries_.erase(it);
  entry.path = Normalise(to);
  entries_[Key(to)] = entry;
  return true;
}

std::vector<std::string> FakeFiles::List(const std::string& pattern) {
  std::vector<std::string> names;
  const std::string p = Normalise(pattern);
  const std::string parentKey = Key(ParentOf(p));
  const std::string namePattern = NameOf(p);
  for (const auto& [key, entry] : entries_) {
    if (entry.path == ParentOf(entry.path)) continue;
    if (Key(ParentOf(entry.path)) == parentKey && WildcardMatch(namePattern, NameOf(entry.path)))
      names.push_back(NameOf(entry.path));
  }
  return names;
}

std::optional<std::string> FakeFiles::ShortName(const std::string& path) {
  if (!Exists(path)) return std::nullopt;
  auto it = shortNames_.find(Key(path));
  return it == shortNames_.end() ? path : it->second;
}

std::optional<std::string> FakeFiles::LongName(const std::string& path) {
  for (const auto& [longKey, shortPath] : shortNames_) {
    if (Key(shortPath) == Key(path)) return entries_.count(longKey) ? entries_[longKey].path : path;
  }
  if (!Exists(path)) return std::nullopt;
  return path;
}

std::optional<std::string> FakeFiles::LinkTarget(const std::string& path) {
  auto it = links_.find(Key(path));
  if (it == links_.end()) return std::nullopt;
  return it->second;
}

}  // namespace velmarin
