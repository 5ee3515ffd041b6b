#include "sealed/FileKey.h"

#include <cstring>
#include <sodium.h>

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::shared_ptr<FileKey> FileKey::made(void (*fill)(unsigned char*, const unsigned char*),
                                       const unsigned char* from) {
    if (!sodiumReady()) {
        return nullptr;
    }
    auto* bytes = static_cast<unsigned char*>(sodium_malloc(kBytes));
    if (bytes == nullptr) {
        return nullptr;
    }
    fill(bytes, from);
    sodium_mprotect_readonly(bytes);
    return std::shared_ptr<FileKey>(new FileKey(bytes));
}

std::shared_ptr<FileKey> FileKey::random() {
    return made([](unsigned char* key, const unsigned char*) { randombytes_buf(key, kBytes); },
                nullptr);
}

std::shared_ptr<FileKey> FileKey::fromBytes(const unsigned char* bytes) {
    return made(
        [](unsigned char* key, const unsigned char* from) { std::memcpy(key, from, kBytes); },
        bytes);
}

FileKey::~FileKey() {
    sodium_free(bytes_); // wipes the bytes before it gives the pages back
}
