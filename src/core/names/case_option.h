#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// The items of the name and extension case combo boxes, by index.
enum class CaseOption { Keep = 0, Upper = 1, Lower = 2 };

// The text converted by a case option index: 1 upper case, 2 lower case (ASCII letters
// only); 0 and any index outside 0..2 leave it as it is.
std::string ApplyCaseOption(std::string_view text, int caseIndex,
                            const CodePage& codePage = ActiveCodePage());

// The text converted by a case option index: "" for a text of blanks whatever the
// option; 1 upper case, 2 lower case; 0 and any index outside 0..2 (a stored value
// that selects no item) leave the text as it is, untrimmed.
std::string ApplyExtensionCase(std::string_view text, int caseIndex,
                               const CodePage& codePage = ActiveCodePage());
// Appends ApplyExtensionCase(text, ...) to out; a text kept as it is is not copied twice.
void AppendExtensionCase(std::string& out, std::string_view text, int caseIndex,
                         const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
