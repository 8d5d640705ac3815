#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::platform {

// FileSystem::ToLongPathForm on the real file system. The trailing slashes of a folder
// are dropped first ("/" stays), so that a folder typed as "dir/" is found. Then each existing component
// from the last one up is replaced by the name under which its folder lists it: the
// same bytes when listed so, otherwise the first entry equal to it ignoring case (a
// case-insensitive file system). The last component is looked up as a folder when it is
// one, otherwise as a file; the ones before it as folders. The walk stops at a component
// that is not found ("/", "", ".", "..", a hidden name, a missing entry) and joins the
// rest in front with one '/'. "" when the last component itself is not found.
// "/home/u/x.txt" stays as it is, "a/b.txt" stays relative, "/tmp/.hidden" and "/" give "".
std::string LongPathForm(std::string_view path, const core::CodePage& codePage);

}  // namespace morvane::platform
