#pragma once

#include <QByteArray>
#include <string>

// A file's bytes as UTF-8 text, or why they are not text that can be read
// without guessing. UTF-8 (with or without a byte-order mark) and UTF-16
// (with a mark, or recognisable by its zero bytes) are read; anything else
// (Latin-1 and the other one-byte code pages, binary data) is refused rather
// than imported as garbled letters. UTF-16 cut short by a byte, or holding
// half of a character (a surrogate without its partner), is refused too,
// rather than imported with a replacement character at the cut.
struct DecodedText {
    enum class Problem { None, Empty, Binary, NotUtf8, BrokenUtf16 };
    std::string utf8;
    Problem problem = Problem::None;
};

DecodedText decodeText(const QByteArray& bytes);
