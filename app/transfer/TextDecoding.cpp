#include "transfer/TextDecoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

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

DecodedText decodedAs(QStringDecoder::Encoding encoding, const QByteArray& bytes,
                      DecodedText::Problem problem) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar::Null)) {
        return {{}, problem};
    }
    return {text.toStdString(), DecodedText::Problem::None};
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
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (body.contains('\0')) {
        const auto utf16 = utf16ByItsZeros(body);
        return utf16 ? decodedAs(*utf16, body, DecodedText::Problem::Binary)
                     : DecodedText{{}, DecodedText::Problem::Binary};
    }
    // Decoded only to be checked (the decoder works when its result is
    // taken): the text stays in the bytes it came in.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString checked = utf8(body);
    if (utf8.hasError()) {
        return {{}, DecodedText::Problem::NotUtf8};
    }
    return {body.toStdString(), DecodedText::Problem::None};
}
