#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// A name or path as it is written into a text line (Result.dat, Rename.log, standard
// output and error, the window's caption and alert), so that no name can end a line or
// start another one, and every written form stands for exactly one name.
//
// A name without control characters (0x00-0x1F, 0x7F) is written as it is, byte for
// byte. A name that holds one, or that itself starts with "$'", is written whole in the
// shell's $'...' quoting: "\t", "\n" and "\r" for TAB, LF and CR, "\xHH" (two upper-case
// hex digits) for every other control character and for a byte that is no character of
// the code page (a lone lead byte, an invalid UTF-8 byte), "\\" for a backslash and
// "\'" for an apostrophe; every other character, multi-byte ones included, keeps its
// bytes. So "a<LF>b.txt" becomes "$'a\nb.txt'", and pasting the written form into a
// shell gives the real name back.
std::string VisibleName(std::string_view name, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
