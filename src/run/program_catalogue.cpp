#include "run/program_catalogue.h"

#include <algorithm>
#include <bit>

#include "core/romaji.h"
#include "core/tool_tip_index.h"

namespace velmarin {

namespace {

// Byte order with ASCII letters in lower case.
int CompareFolded(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(FoldAscii(a[i]));
    const auto y = static_cast<unsigned char>(FoldAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool BeginsFolded(std::string_view s, std::string_view beginning) {
  return s.size() >= beginning.size() &&
         CompareFolded(s.substr(0, beginning.size()), beginning) == 0;
}

std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = FoldAscii(c);
  return out;
}

// One bit per program.
struct Marks {
  std::vector<uint64_t> bits;
  explicit Marks(size_t n) : bits((n + 63) / 64, 0) {}
  void Set(uint32_t n) { bits[n / 64] |= 1ULL << (n % 64); }
  bool Has(uint32_t n) const { return (bits[n / 64] >> (n % 64)) & 1; }
  // In ascending order until found says stop; false when it did.
  template <typename F>
  bool Visit(F&& found) const {
    for (size_t w = 0; w < bits.size(); ++w) {
      for (uint64_t b = bits[w]; b != 0; b &= b - 1) {
        if (!found(static_cast<uint32_t>(w * 64 + static_cast<size_t>(std::countr_zero(b))))) {
          return false;
        }
      }
    }
    return true;
  }
};

}  // namespace

uint32_t ProgramCatalogue::Keep(std::string_view s) {
  const auto offset = static_cast<uint32_t>(text_.size());
  // A NUL inside would cut the string short: it ends there.
  text_.append(s.substr(0, s.find('\0'))).push_back('\0');
  return offset;
}

bool ProgramCatalogue::Add(std::string_view name, std::string_view fileName, std::string_view link,
                           std::string_view target, std::string_view args) {
  // The target with its arguments; the name for a shortcut that names no target.
  std::string key;
  if (target.empty()) {
    key.push_back('\1');
    key.append(Folded(name));
  } else {
    key.append(Folded(target)).push_back('\0');
    key.append(args);
  }
  return AddKeyed(std::move(key), name, fileName, link, target);
}

bool ProgramCatalogue::AddUnread(std::string_view name, std::string_view fileName,
                                 std::string_view link, std::string_view place) {
  return AddKeyed('\2' + Folded(place), name, fileName, link, {});
}

bool ProgramCatalogue::AddFrom(const ProgramCatalogue& other, uint32_t n) {
  if (n >= other.size()) return false;
  return AddKeyed('\3' + Folded(other.Link(n)), other.Name(n), other.FileName(n), other.Link(n),
                  other.Target(n));
}

bool ProgramCatalogue::AddKeyed(std::string key, std::string_view name, std::string_view fileName,
                                std::string_view link, std::string_view target) {
  if (name.empty() || link.empty() || entries_.size() >= kNone / 2) return false;
  if (!added_.insert(std::move(key)).second) return false;
  Entry e{};
  e.name = Keep(name);
  e.fileName = CompareFolded(fileName, name) == 0 || fileName.empty() ? kNone : Keep(fileName);
  e.link = Keep(link);
  e.target = Keep(target);
  entries_.push_back(e);
  return true;
}

void ProgramCatalogue::Finish() {
  std::stable_sort(entries_.begin(), entries_.end(), [&](const Entry& a, const Entry& b) {
    return CompareFolded(At(a.name), At(b.name)) < 0;
  });
  names_.clear();
  std::vector<std::string> names;
  names.reserve(entries_.size());
  for (uint32_t n = 0; n < entries_.size(); ++n) {
    names_.push_back(n * 2);
    if (entries_[n].fileName != kNone) names_.push_back(n * 2 + 1);
    names.emplace_back(At(entries_[n].name));
  }
  readings_.Build(names);
  const auto key = [&](uint32_t k) {
    const Entry& e = entries_[k / 2];
    return At(k % 2 ? e.fileName : e.name);
  };
  std::stable_sort(names_.begin(), names_.end(),
                   [&](uint32_t a, uint32_t b) { return CompareFolded(key(a), key(b)) < 0; });
  // What told the programs apart is not needed for searching.
  std::unordered_set<std::string>().swap(added_);
  text_.shrink_to_fit();
  entries_.shrink_to_fit();
  names_.shrink_to_fit();
}

std::pair<size_t, size_t> ProgramCatalogue::Beginning(std::string_view typed) const {
  const auto key = [&](uint32_t k) {
    const Entry& e = entries_[k / 2];
    return At(k % 2 ? e.fileName : e.name);
  };
  const auto from = std::partition_point(
      names_.begin(), names_.end(), [&](uint32_t k) { return CompareFolded(key(k), typed) < 0; });
  const auto to = std::partition_point(from, names_.end(),
                                       [&](uint32_t k) { return BeginsFolded(key(k), typed); });
  return {static_cast<size_t>(from - names_.begin()), static_cast<size_t>(to - names_.begin())};
}

void ProgramCatalogue::Find(std::string_view typed, const Found& found) const {
  if (typed.empty() || entries_.empty()) return;
  Marks byName(entries_.size());
  const auto [from, to] = Beginning(typed);
  for (size_t i = from; i < to; ++i) byName.Set(names_[i] / 2);
  if (!byName.Visit(found)) return;

  // What the typed text reads as: romaji, or kana typed through the input method.
  Romaji reading;
  if (!TypedReading(typed, reading)) return;
  readings_.Find(reading, [&](uint32_t n) { return byName.Has(n) || found(n); });
}

std::optional<uint32_t> ProgramCatalogue::Named(std::string_view text) const {
  if (text.empty()) return std::nullopt;
  std::optional<uint32_t> named;
  const auto [from, to] = Beginning(text);
  for (size_t i = from; i < to; ++i) {
    const Entry& e = entries_[names_[i] / 2];
    if (CompareFolded(At(names_[i] % 2 ? e.fileName : e.name), text) == 0) {
      named = std::min(named.value_or(kNone), names_[i] / 2);
    }
  }
  return named;
}

size_t ProgramCatalogue::Bytes() const {
  return sizeof(*this) + text_.capacity() + entries_.capacity() * sizeof(Entry) +
         names_.capacity() * sizeof(uint32_t);
}

}  // namespace velmarin
