#include "transfer/TextDecoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// UTF-16 of mostly Latin text has a zero in every other byte; which half
// holds the zeros tells the byte order.
std::optional<QStringDecoder::Encoding> utf16ByItsZeros(const QByteArray& bytes) {
    const qsizetype sample = std::min<qsizetype>(bytes.size() & ~qsizetype(1), 512);
    int evenZeros = 0;
    int oddZeros = 0;
    for (qsizetype i = 0; i < sample; i += 2) {
        evenZeros += bytes[i] == '\0' ? 1 : 0;
        oddZeros += bytes[i + 1] == '\0' ? 1 : 0;
    }
    const int pairs = static_cast<int>(sample / 2);
    if (pairs > 0 && oddZeros * 10 >= pairs * 9 && evenZeros == 0) {
        return QStringDecoder::Utf16LE;
    }
    if (pairs > 0 && evenZeros * 10 >= pairs * 9 && oddZeros == 0) {
        return QStringDecoder::Utf16BE;
    }
    return std::nullopt;
}

// Whole code units, and every high surrogate followed by a low one and every low one preceded
// by a high one: Qt's decoder lets a lone surrogate or an odd last byte through.
bool isWholeUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding) {
    if (bytes.size() % 2 != 0) {
        return false;
    }
    const qsizetype upper = encoding == QStringDecoder::Utf16BE ? 0 : 1;
    bool lowDue = false;
    for (qsizetype at = 0; at < bytes.size(); at += 2) {
        const auto top = static_cast<uchar>(bytes[at + upper]) & 0xFC;
        if ((top == 0xDC) != lowDue) {
            return false;
        }
        lowDue = top == 0xD8;
    }
    return !lowDue;
}

DecodedText decodedAs(QStringDecoder::Encoding encoding, const QByteArray& bytes,
                      DecodedText::Problem problem) {
    if (!isWholeUtf16(bytes, encoding)) {
        return {{}, DecodedText::Problem::BrokenUtf16};
    }
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar::Null)) {
        return {{}, problem};
    }
    return {text.toStdString(), DecodedText::Problem::None};
}

// Decoded a piece at a time into one small buffer, only to be checked: the
// text stays in the bytes it came in, and a 20 MB file costs no 40 MB copy.
// Each piece ends before a continuation byte, so no sequence is split.
bool isUtf8(QByteArrayView text) {
    constexpr qsizetype kPiece = 1 << 16;
    std::vector<QChar> buffer(static_cast<size_t>(kPiece + 4));
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = std::min(at + kPiece, text.size());
        while (end < text.size() && end > at && (static_cast<uchar>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
        end = end == at ? std::min(at + kPiece, text.size()) : end;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        decoder.appendToBuffer(buffer.data(), text.sliced(at, end - at));
        if (decoder.hasError()) {
            return false;
        }
        at = end;
    }
    return true;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {{}, DecodedText::Problem::Empty};
    }
    if (bytes.startsWith("\xFF\xFE")) {
        return decodedAs(QStringDecoder::Utf16LE, bytes.mid(2), DecodedText::Problem::Binary);
    }
    if (bytes.startsWith("\xFE\xFF")) {
        return decodedAs(QStringDecoder::Utf16BE, bytes.mid(2), DecodedText::Problem::Binary);
    }
    const QByteArrayView body =
        QByteArrayView(bytes).sliced(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    if (body.contains('\0')) {
        const auto utf16 = utf16ByItsZeros(bytes);
        return utf16 ? decodedAs(*utf16, bytes, DecodedText::Problem::Binary)
                     : DecodedText{{}, DecodedText::Problem::Binary};
    }
    return isUtf8(body) ? DecodedText{std::string(body.data(), static_cast<size_t>(body.size()))}
                        : DecodedText{{}, DecodedText::Problem::NotUtf8};
}
