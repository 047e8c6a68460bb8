#include "launch/path_argument.h"

#include "core/strings.h"
#include "launch/names.h"

namespace velmarin {

namespace {

// The characters that end an argument or mean something to cmd.exe: with any of them a path
// that is not quoted runs another program, loses a character or becomes several arguments.
constexpr std::string_view kSpecial = " \t&|^<>(),;=%!\"";

std::string_view WithoutOnePairOfQuotes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text.remove_prefix(1);
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

std::string PathArgument(std::string_view path) {
  path = WithoutOnePairOfQuotes(path);
  if (!path.empty() && path.find_first_of(kSpecial) == std::string_view::npos) {
    return std::string(path);
  }
  // Backslashes count only before a quote: there each of them is doubled, and the quote itself
  // escaped, so that the closing quote still closes.
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : path) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, '\\');
  out.push_back('"');
  return out;
}

std::string ParamsWithPath(const App& app, const std::string& item, const std::string& params,
                           const std::string& path) {
  if (isVelmName(app, item)) return path;
  const std::string argument = PathArgument(path);
  return params.empty() ? argument : params + " " + argument;
}

std::string CommandArgument(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return std::string(text);
  text = TrimSpaces(text);
  const std::string_view inner = WithoutOnePairOfQuotes(text);
  if (inner.size() == text.size()) return std::string(text);
  // In quotes a folder's closing backslash comes doubled, as PathArgument writes it.
  const size_t last = inner.find_last_not_of('\\');
  const size_t backslashes = inner.size() - (last == std::string_view::npos ? 0 : last + 1);
  if (backslashes % 2 == 0) return std::string(inner.substr(0, inner.size() - backslashes / 2));
  return std::string(inner);
}

}  // namespace velmarin
