#include "core/text/case_blind_order.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace morvane::core {
namespace {

struct Piece {
  std::string text;
  std::size_t split;  // where the text is cut into its two pieces
};

std::pair<std::string_view, std::string_view> PiecesOf(const Piece& piece) {
  const std::string_view text(piece.text);
  return {text.substr(0, piece.split), text.substr(piece.split)};
}

// The order the sort must give, and the texts it must keep: every comparison made in full.
std::vector<std::string> Reference(std::vector<Piece> pieces, const CodePage& codePage) {
  const auto compare = [&](const Piece& a, const Piece& b) {
    const auto [a1, a2] = PiecesOf(a);
    const auto [b1, b2] = PiecesOf(b);
    return CompareCaseBlind(a1, a2, b1, b2, codePage);
  };
  std::sort(pieces.begin(), pieces.end(), [&](const Piece& a, const Piece& b) { return compare(a, b) < 0; });
  pieces.erase(std::unique(pieces.begin(), pieces.end(),
                           [&](const Piece& a, const Piece& b) { return compare(a, b) == 0; }),
               pieces.end());
  std::vector<std::string> texts;
  for (const Piece& piece : pieces) texts.push_back(piece.text);
  return texts;
}

// Texts with a shared beginning, so that the sort skips it, and endings that differ within
// the eight bytes past it, beyond them, only in case, not at all (duplicates), or by a
// prefix. The CP932 beginnings end in a lead byte, or in a lead byte and its trail byte,
// so that the place the sort may skip to is not where the bytes first differ.
TEST(SortCaseBlindUnique, OrdersAndKeepsAsTheFullComparisonDoes) {
  const std::vector<std::string> beginnings = {
      "", "/photos/", "/photos/IMG_", "/x/\x83", "/x/\x83\x41", "/x/\xb1", "/\xe3\x81\x82/",
  };
  const std::vector<std::string> endings = {
      "",
      "a",
      "A",
      "0001.jpg",
      "0001.JPG",
      "0002.jpg",
      "00010000001.jpg",
      "00010000002.jpg",
      "00010000002.JPG",
      "\x41",
      "\x61",
      "\x41\x83\x61",
      "\x83",
      "\x83\x61z",
      "\xff",
      "zz",
  };
  std::mt19937 random(7);
  for (const CodePage* codePage : {&CodePage::Utf8(), &CodePage::Cp932()}) {
    for (const std::string& beginning : beginnings) {
      std::vector<Piece> pieces;
      for (int copy = 0; copy < 3; ++copy) {
        for (const std::string& ending : endings) {
          const std::string text = beginning + ending;
          pieces.push_back({text, std::uniform_int_distribution<std::size_t>(0, text.size())(random)});
        }
      }
      std::shuffle(pieces.begin(), pieces.end(), random);
      const std::vector<std::string> expected = Reference(pieces, *codePage);

      SortCaseBlindUnique(pieces, PiecesOf, *codePage);
      std::vector<std::string> sorted;
      for (const Piece& piece : pieces) sorted.push_back(piece.text);
      EXPECT_EQ(sorted, expected) << codePage->Name() << " beginning [" << beginning << "]";
    }
  }
}

// Many texts, each ending in a different number, some of them twice: the moves that put
// the items in order follow long cycles.
TEST(SortCaseBlindUnique, PutsManyShuffledItemsInOrder) {
  std::vector<Piece> pieces;
  for (int i = 0; i < 5000; ++i) {
    const std::string text = "/folder/photo_" + std::to_string(i * 7919 % 5000) + ".jpg";
    pieces.push_back({text, 8});
    if (i % 10 == 0) pieces.push_back({text, text.size()});
  }
  std::shuffle(pieces.begin(), pieces.end(), std::mt19937(11));
  const std::vector<std::string> expected = Reference(pieces, CodePage::Utf8());
  SortCaseBlindUnique(pieces, PiecesOf, CodePage::Utf8());
  ASSERT_EQ(pieces.size(), 5000u);
  for (std::size_t i = 0; i < pieces.size(); ++i) ASSERT_EQ(pieces[i].text, expected[i]) << i;
}

}  // namespace
}  // namespace morvane::core
