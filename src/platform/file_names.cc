#include "platform/file_names.h"

namespace corvalis {
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

FolderAndName SplitFolder(std::string_view path) {
  size_t cut = path.find_last_of("\\/");
  if (cut == std::string_view::npos) return {"", std::string(path)};
  return {std::string(path.substr(0, cut)), std::string(path.substr(cut + 1))};
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative matcher with one backtrack point: linear in practice and
  // never recursive, whatever the pattern.
  size_t p = 0, n = 0;
  size_t star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool ListsBefore(std::string_view a, std::string_view b) {
  size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
    unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

std::string FirstMatch(std::string_view pattern,
                       const std::vector<std::string>& names) {
  const std::string* best = nullptr;
  for (const std::string& name : names) {
    if (!WildcardMatch(pattern, name)) continue;
    if (best == nullptr || ListsBefore(name, *best)) best = &name;
  }
  return best ? *best : std::string();
}

std::vector<std::string> SplitLines(std::string_view contents) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < contents.size()) {
    char c = contents[i];
    if (c == '\n' || c == '\r') {
      lines.emplace_back(contents.substr(start, i - start));
      if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < contents.size()) lines.emplace_back(contents.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

namespace {
constexpr std::string_view kTemporaryPrefix = ".htcorvalis-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr size_t kTemporaryDigits = 16;
}  // namespace

std::string TemporaryFileName(uint64_t random) {
  static const char kHex[] = "0123456789abcdef";
  std::string name(kTemporaryPrefix);
  for (int shift = 60; shift >= 0; shift -= 4) name += kHex[(random >> shift) & 0xF];
  name += kTemporarySuffix;
  return name;
}

bool IsTemporaryFileName(std::string_view name) {
  if (name.size() != kTemporaryPrefix.size() + kTemporaryDigits + kTemporarySuffix.size() ||
      name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix ||
      name.substr(name.size() - kTemporarySuffix.size()) != kTemporarySuffix) {
    return false;
  }
  for (char c : name.substr(kTemporaryPrefix.size(), kTemporaryDigits)) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

}  // namespace corvalis
