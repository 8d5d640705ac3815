#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// The order CompareTextNoCase gives the texts a1 + a2 and b1 + b2 (the upper-case forms
// byte by byte, then the original bytes), without building either text or its
// upper-case form: a million paths are ordered without a folded copy of each. A
// character may span the join of the two pieces.
int CompareCaseBlind(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2,
                     const CodePage& codePage);

// How many bytes first + second and other1 + other2 begin with alike, limit at most.
std::size_t SharedStart(std::string_view first, std::string_view second, std::string_view other1,
                        std::string_view other2, std::size_t limit);

// How many bytes from the start of first + second the order of many such texts may skip:
// limit at most, shortened to where a character of the code page begins (in CP932, not
// between a lead byte and the byte it takes; nor after a lead byte, which a longer text
// would pair with its next byte). Texts that all begin with the same bytes up to there
// are ordered by CompareCaseBlind as by what follows.
std::size_t CaseBlindSkippable(std::string_view first, std::string_view second, std::size_t limit,
                               const CodePage& codePage);

// The eight bytes of the upper-case form of first + second (as CompareCaseBlind folds
// them) that follow the first skip bytes, packed so that numbers order as the bytes do;
// a text that ends sooner counts as ending in zero bytes. skip must be where a character
// begins. Of two texts that begin with the same skip bytes and have different keys, the
// one with the smaller key is the one CompareCaseBlind puts first: their folded forms
// differ within those bytes, or one is a beginning of the other. Equal keys decide
// nothing.
std::uint64_t CaseBlindKey(std::string_view first, std::string_view second, std::size_t skip,
                           const CodePage& codePage);

}  // namespace morvane::core
