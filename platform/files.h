#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The thin layer between the program and the file system. Paths use "/".

namespace APIs {

bool FolderExists(std::string_view path);
bool FileExists(std::string_view path);
// The short form of a path is the path itself here: "" when nothing is there.
std::string ShortPath(std::string_view path);
// Makes an existing file writable for its owner: nonzero on success.
int ClearReadOnly(std::string_view path);
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
int CountOccurrences(std::string_view text, std::string_view part);
// The path as given when it exists; otherwise the first existing path that matches
// it ignoring the case of each name; otherwise the path as given.
std::string FindIgnoringCase(std::string_view path);

}  // namespace APIs

namespace Misc {
// Field n (1-4) of a text split at "|": at most three fields, the fourth always empty.
std::string PipeField(std::string_view text, int n);
}  // namespace Misc
