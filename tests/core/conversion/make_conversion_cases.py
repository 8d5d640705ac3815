#!/usr/bin/env python3
"""Writes conversion_cases.inc, the table of character conversions that
character_conversion_test.cpp checks ConvertCharacters against.

Every expected name is worked out here, apart from the C++ code, from Python's own
Unicode data (unicodedata): the half-width forms from their compatibility mappings,
hiragana and katakana from their character names, voiced kana from their canonical
decompositions, and the normalization forms from unicodedata.normalize. CP932 cases are
encoded with Python's cp932 codec; a converted name that codec cannot encode is expected
to be refused.

Run from this folder after changing the cases, and commit both files:
    python3 make_conversion_cases.py > conversion_cases.inc
"""
import unicodedata as ud

VOICED, SEMI_VOICED = "\u3099", "\u309a"
HALF_VOICED, HALF_SEMI_VOICED = "\uff9e", "\uff9f"

# Half-width katakana and punctuation with their full-width forms; the two half-width
# sound marks stand for the spacing marks ゛ and ゜.
HALF_TO_FULL = {chr(c): ud.normalize("NFKC", chr(c)) for c in range(0xFF61, 0xFFA0)}
HALF_TO_FULL[HALF_VOICED], HALF_TO_FULL[HALF_SEMI_VOICED] = "\u309b", "\u309c"
FULL_TO_HALF = {full: half for half, full in HALF_TO_FULL.items()}
# The full-width forms of the printable ASCII characters but the space.
ASCII_TO_FULL = {ud.normalize("NFKC", chr(c)): chr(c) for c in range(0xFF01, 0xFF5F)}


def is_half_kana(ch):
    return "\uff66" <= ch <= "\uff9d"


def widths(text, alnum, symbols, space):
    out = []
    for ch in text:
        if ch == " " and space == "full":
            ch = "\u3000"
        elif ch == "\u3000" and space == "half":
            ch = " "
        elif ch in ASCII_TO_FULL:
            if (alnum if ch.isalnum() else symbols) == "full":
                ch = ASCII_TO_FULL[ch]
        elif "\uff01" <= ch <= "\uff5e":
            ascii_form = ud.normalize("NFKC", ch)
            if (alnum if ascii_form.isalnum() else symbols) == "half":
                ch = ascii_form
        out.append(ch)
    return "".join(out)


def katakana_full(text):
    out, i = [], 0
    while i < len(text):
        ch = text[i]
        if ch in HALF_TO_FULL:
            full = HALF_TO_FULL[ch]
            if is_half_kana(ch) and text[i + 1:i + 2] in (HALF_VOICED, HALF_SEMI_VOICED):
                mark = VOICED if text[i + 1] == HALF_VOICED else SEMI_VOICED
                joined = ud.normalize("NFC", full + mark)
                if len(joined) == 1:
                    out.append(joined)
                    i += 2
                    continue
            ch = full
        out.append(ch)
        i += 1
    return "".join(out)


def kana(text, to):
    source, target = ("HIRAGANA ", "KATAKANA ") if to == "katakana" else ("KATAKANA ", "HIRAGANA ")
    out = []
    for ch in text:
        name = ud.name(ch, "")
        if "\u3040" <= ch <= "\u30ff" and name.startswith(source):
            try:
                ch = ud.lookup(target + name[len(source):])
            except KeyError:
                pass
        out.append(ch)
    return "".join(out)


def katakana_half(text):
    out = ""
    for ch in text:
        decomposed = ud.normalize("NFD", ch)
        if ch in FULL_TO_HALF:
            out += FULL_TO_HALF[ch]
        elif ch in (VOICED, SEMI_VOICED) and out and is_half_kana(out[-1]):
            out += HALF_VOICED if ch == VOICED else HALF_SEMI_VOICED
        elif len(decomposed) == 2 and decomposed[0] in FULL_TO_HALF and decomposed[1] in (VOICED, SEMI_VOICED):
            out += FULL_TO_HALF[decomposed[0]] + (HALF_VOICED if decomposed[1] == VOICED else HALF_SEMI_VOICED)
        else:
            out += ch
    return out


def simple_case(text, lower):
    # One character for one: where the full mapping gives several (ß -> SS) the simple
    # mapping keeps the character. No case below uses a character whose simple mapping
    # differs otherwise (İ).
    out = []
    for ch in text:
        mapped = ch.lower() if lower else ch.upper()
        out.append(mapped if len(mapped) == 1 else ch)
    return "".join(out)


def convert(text, opts):
    text = widths(text, opts.get("alnum"), opts.get("symbols"), opts.get("space"))
    if opts.get("katakana") == "full":
        text = katakana_full(text)
    if "kana" in opts:
        text = kana(text, opts["kana"])
    if opts.get("katakana") == "half":
        text = katakana_half(text)
    if "letters" in opts:
        text = simple_case(text, opts["letters"] == "lower")
    if "normalize" in opts:
        text = ud.normalize(opts["normalize"].upper(), text)
    return text


ALL_HALF = {"alnum": "half", "symbols": "half", "space": "half", "katakana": "half"}
ALL_FULL = {"alnum": "full", "symbols": "full", "space": "full", "katakana": "full"}

# (label, options, name, code page)
CASES = [
    ("letters and digits to full width", {"alnum": "full"}, "File01.txt", "utf8"),
    ("letters and digits to half width", {"alnum": "half"}, "ＡＢＣ１２３ｘｙｚ．txt", "utf8"),
    ("symbols to full width", {"symbols": "full"}, "a-b_(1).txt~", "utf8"),
    ("symbols to half width", {"symbols": "half"}, "（株）＆＃！ＡＢ", "utf8"),
    ("a slash is refused", {"symbols": "half"}, "a／b", "utf8"),
    ("a name of two dots is refused", {"symbols": "half"}, "．．", "utf8"),
    ("a name of one dot is refused", {"symbols": "half"}, "．", "utf8"),
    ("spaces to full width", {"space": "full"}, "a b  c", "utf8"),
    ("ideographic space to half width", {"space": "half"}, "第1話　予告", "utf8"),
    ("katakana to half width", {"katakana": "half"}, "カタカナ", "utf8"),
    ("voiced katakana to two characters", {"katakana": "half"}, "ガギグゲゴ パピプペポ", "utf8"),
    ("vu and va to half width", {"katakana": "half"}, "ヴァイオリン ヷヺ", "utf8"),
    ("katakana without a half-width form stay", {"katakana": "half"}, "ヰヱヵヶヮヽヾヸ", "utf8"),
    ("kana punctuation to half width", {"katakana": "half"}, "「メモ」、ー。・", "utf8"),
    ("spacing sound marks to half width", {"katakana": "half"}, "゛゜", "utf8"),
    ("decomposed katakana to half width", {"katakana": "half"}, "カ\u3099ハ\u309aト", "utf8"),
    ("a combining mark on hiragana stays", {"katakana": "half"}, "か\u3099カ", "utf8"),
    ("hiragana are not katakana", {"katakana": "half"}, "ひらがな", "utf8"),
    ("katakana to full width", {"katakana": "full"}, "ｶﾀｶﾅ", "utf8"),
    ("sound marks join their kana", {"katakana": "full"}, "ｶﾞｷﾞﾊﾟｳﾞﾜﾞｦﾞ", "utf8"),
    ("marks that join nothing become spacing marks", {"katakana": "full"}, "ｱﾞﾝﾟｰﾞ", "utf8"),
    ("lone half-width marks", {"katakana": "full"}, "ﾞabcﾟ", "utf8"),
    ("kana punctuation to full width", {"katakana": "full"}, "｢ﾒﾓ｣､ｰ｡･", "utf8"),
    ("hiragana to katakana", {"kana": "katakana"}, "ひらがな ゔ ゕゖ ゝゞ ゟ", "utf8"),
    ("katakana to hiragana", {"kana": "hiragana"}, "カタカナ ヴ ヵヶ ヽヾ ヷ ー ｶﾅ", "utf8"),
    ("decomposed katakana to hiragana", {"kana": "hiragana"}, "ハ\u309aン", "utf8"),
    ("decomposed name to NFC", {"normalize": "nfc"}, "テ\u3099ータ.txt", "utf8"),
    ("composed name to NFD", {"normalize": "nfd"}, "データ café", "utf8"),
    ("conjoining jamo to NFC", {"normalize": "nfc"}, "\u1100\u1161.txt", "utf8"),
    ("NFC keeps compatibility characters", {"normalize": "nfc"}, "①㍍㈱～ｶﾞ", "utf8"),
    ("NFD keeps compatibility characters", {"normalize": "nfd"}, "①㍍㈱～ｶﾞ", "utf8"),
    ("widths keep compatibility characters", {"alnum": "half", "katakana": "full", "kana": "hiragana"},
     "①㍍㈱～", "utf8"),
    ("lower case of every cased letter", {"letters": "lower"}, "ÀÉÎ ABC ＡＢＣ ΣΑΣ Я", "utf8"),
    ("upper case keeps sharp s", {"letters": "upper"}, "straße café ａｂｃ я", "utf8"),
    ("upper case of a decomposed letter", {"letters": "upper"}, "cafe\u0301", "utf8"),
    ("ASCII to lower case", {"letters": "lower"}, "README.TXT", "utf8"),
    ("ASCII already in lower case", {"letters": "lower"}, "readme.txt", "utf8"),
    ("hiragana to half-width katakana", {"kana": "katakana", "katakana": "half"}, "がっこう", "utf8"),
    ("half-width katakana to hiragana", {"katakana": "full", "kana": "hiragana"}, "ｶﾞｯｺｳ", "utf8"),
    ("full width, then NFD", {"katakana": "full", "normalize": "nfd"}, "ｶﾞｲﾄﾞ", "utf8"),
    ("half width, then NFC", {"katakana": "half", "normalize": "nfc"}, "テ\u3099ータ", "utf8"),
    ("everything to half width", ALL_HALF, "第１０話　ＴＶ（デモ）．ｍｐ４", "utf8"),
    ("everything to full width", ALL_FULL, "Ep 01 (ﾃﾞﾓ).mp4", "utf8"),
    ("full width in upper case", {"alnum": "full", "letters": "upper"}, "abc", "utf8"),
    ("half width in lower case", {"alnum": "half", "letters": "lower"}, "ＡＢＣ", "utf8"),
    ("characters outside the basic plane stay", dict(ALL_HALF, letters="upper", normalize="nfc"),
     "😀𠮷ａ", "utf8"),
    ("kanji stay", {"katakana": "half", "kana": "hiragana"}, "漢字.txt", "utf8"),
    ("katakana to half width in CP932", {"katakana": "half"}, "ガイド.txt", "cp932"),
    ("katakana to full width in CP932", {"katakana": "full"}, "ﾃﾞｰﾀ", "cp932"),
    ("letters and digits to full width in CP932", {"alnum": "full"}, "abc123", "cp932"),
    ("katakana to hiragana in CP932", {"kana": "hiragana"}, "カタカナ", "cp932"),
    ("hiragana vu is not in CP932", {"kana": "hiragana"}, "ヴ", "cp932"),
    ("a combining mark is not in CP932", {"normalize": "nfd"}, "ガ", "cp932"),
    ("lower case around a backslash trail byte", {"letters": "lower"}, "ＡＢＣ表", "cp932"),
    ("upper case after a backslash trail byte", {"letters": "upper"}, "表a", "cp932"),
    ("nothing to convert in CP932", {"katakana": "half"}, "表示.txt", "cp932"),
    ("symbols to full width in CP932", {"symbols": "full"}, "a~b\\c", "cp932"),
    ("symbols to half width in CP932", {"symbols": "half"}, "ａ～ｂ＼", "cp932"),
]

ENUMS = {
    "alnum": ("W", {"half": "ToHalf", "full": "ToFull"}),
    "symbols": ("W", {"half": "ToHalf", "full": "ToFull"}),
    "space": ("W", {"half": "ToHalf", "full": "ToFull"}),
    "katakana": ("W", {"half": "ToHalf", "full": "ToFull"}),
    "kana": ("K", {"katakana": "ToKatakana", "hiragana": "ToHiragana"}),
    "normalize": ("N", {"nfc": "Nfc", "nfd": "Nfd"}),
    "letters": ("L", {"lower": "Lower", "upper": "Upper"}),
}


def cpp_options(opts):
    fields = [f".{field} = {ENUMS[field][0]}::{ENUMS[field][1][opts[field]]}" for field in ENUMS if field in opts]
    return "{" + ", ".join(fields) + "}"


def cpp_text(text):
    # Letters as they are; marks, conjoining jamo, spaces and invisible characters as \u
    # escapes.
    out = ""
    for ch in text:
        if ch in '"\\':
            out += "\\" + ch
        elif ch.isascii() or (ud.category(ch)[0] not in "MZC" and ch.isprintable() and
                              not "\u1100" <= ch <= "\u11ff"):
            out += ch
        else:
            out += f"\\u{ord(ch):04X}"
    return '"' + out + '"'


def cpp_bytes(data):
    out, escaped = "", False
    for byte in data:
        ch = chr(byte)
        if byte >= 0x80:
            out += f"\\x{byte:02X}"
            escaped = True
            continue
        if escaped and ch in "0123456789abcdefABCDEF":
            out += '" "'
        out += "\\" + ch if ch in '"\\' else ch
        escaped = False
    return '"' + out + '"'


def main():
    print("// Generated by make_conversion_cases.py from Python's unicodedata; do not edit.")
    print(f"// Unicode {ud.unidata_version}. {{label, conversion, code page, name, outcome, new name}}")
    for label, opts, name, page in CASES:
        expected = convert(name, opts)
        if expected in (".", "..") or "/" in expected or "\0" in expected:
            outcome, expected = "ForbiddenName", ""
        elif expected == name:
            outcome = "Unchanged"
        else:
            outcome = "Changed"
        if page == "utf8":
            print(f"{{\"{label}\", {cpp_options(opts)}, &Utf8, {cpp_text(name)}, O::{outcome}, "
                  f"{cpp_text(expected)}}},")
            continue
        try:
            encoded = expected.encode("cp932")
        except UnicodeEncodeError:
            outcome, encoded = "NotRepresentable", b""
        shown = f'"{expected}"' if outcome != "NotRepresentable" else "(not in CP932)"
        print(f'// "{name}" -> {shown}')
        print(f"{{\"{label}\", {cpp_options(opts)}, &Sjis, {cpp_bytes(name.encode('cp932'))}, O::{outcome}, "
              f"{cpp_bytes(encoded)}}},")


main()
