#include "support/DictionaryTranslator.h"

DictionaryTranslator::DictionaryTranslator(QHash<QString, QString> texts)
    : texts_(std::move(texts)) {}

QString DictionaryTranslator::translate(const char* /*context*/, const char* sourceText,
                                        const char* /*disambiguation*/, int /*n*/) const {
    // An empty answer tells Qt to ask the next translator.
    return texts_.value(QString::fromUtf8(sourceText));
}

bool DictionaryTranslator::isEmpty() const {
    return texts_.isEmpty();
}
