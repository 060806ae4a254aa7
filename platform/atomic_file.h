#pragma once

#include <functional>
#include <string>
#include <string_view>

// Writes a whole file so that a crash at any moment leaves either the old file or
// the new one, never a part: the text goes to a file beside it, is flushed to disk
// and then renamed over the old one. beforeCommit runs just before the rename.
bool WriteFileAtomically(const std::string& path, std::string_view contents,
                         const std::function<void()>& beforeCommit = {});

// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& contents);
