#include "core/preview/conversion_preview.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

TEST(ConversionPreview, ShowsTheExampleBeforeAndAfterInEitherCodePage) {
  CharacterConversion conversion;
  EXPECT_EQ(ConversionPreview(conversion, false, CodePage::Utf8()),
            "Ｆｉｌｅ_ﾃﾞｰﾀ がっこう (01).Txt -> Ｆｉｌｅ_ﾃﾞｰﾀ がっこう (01).Txt");
  conversion.alnum = WidthChange::ToHalf;
  conversion.katakana = WidthChange::ToFull;
  conversion.kana = KanaChange::ToKatakana;
  conversion.letters = LetterCase::Upper;
  EXPECT_EQ(ConversionPreview(conversion, true, CodePage::Utf8()),
            "Ｆｉｌｅ_ﾃﾞｰﾀ がっこう (01).Txt -> FILE_データ ガッコウ (01).TXT");
  const CodePage& sjis = CodePage::Cp932();
  EXPECT_EQ(sjis.ToUtf8(ConversionPreview(conversion, true, sjis)),
            "Ｆｉｌｅ_ﾃﾞｰﾀ がっこう (01).Txt -> FILE_データ ガッコウ (01).TXT");
}

}  // namespace
}  // namespace morvane::core
