// Platform-neutral pieces shared by every Env implementation: wildcard
// matching, the listing order, and the line format of text files.
#ifndef CORVALIS_PLATFORM_FILE_NAMES_H_
#define CORVALIS_PLATFORM_FILE_NAMES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvalis {

// Splits "folder\name" (or "folder/name") at the last separator. A path
// without separator has an empty folder.
struct FolderAndName {
  std::string folder;
  std::string name;
};
FolderAndName SplitFolder(std::string_view path);

// "*" matches any run of characters (also none), "?" exactly one; ASCII
// letters match without regard to case, every other byte exactly.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// True when `a` lists before `b`: byte order after ASCII lower-casing, then
// plain byte order.
bool ListsBefore(std::string_view a, std::string_view b);

// Picks the first name in listing order among those matching `pattern`.
// Returns an empty string when none matches.
std::string FirstMatch(std::string_view pattern,
                       const std::vector<std::string>& names);

// Splits file contents into lines: CR LF, LF or a lone CR ends a line; a
// last line without terminator still counts.
std::vector<std::string> SplitLines(std::string_view contents);

// Joins lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The name of a temporary file: every file the run writes is first written
// under such a name in its target folder, then renamed over the target.
// ".htcorvalis-" + 16 lower-case hex digits of `random` + ".tmp": web
// servers keep it to themselves (Apache refuses every ".ht" name by default,
// a ".tmp" name has no content type for IIS) and dot names stay out of
// folder listings.
std::string TemporaryFileName(uint64_t random);

// True for exactly the names TemporaryFileName gives, and no other.
bool IsTemporaryFileName(std::string_view name);

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_FILE_NAMES_H_
