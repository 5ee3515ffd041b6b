#include "sealed/SealedPage.h"

#include <cstring>

namespace sealedvfs::page {
namespace {

// What a sealed page is bound to: this file, database or journal, its place and, in a journal,
// the database page it is an image of (so that SQLite's plain page number cannot send it
// elsewhere when the journal is played back).
struct Binding {
    std::array<unsigned char, 29> bytes{};
    size_t size = 25;
};

Binding boundTo(const SealedFile& file, sqlite3_int64 place, uint32_t pageNumber) {
    Binding bound;
    std::memcpy(bound.bytes.data(), file.fileId.data(), 16);
    bound.bytes[16] = file.kind;
    for (int i = 0; i < 8; ++i) {
        bound.bytes[17 + i] = static_cast<unsigned char>(static_cast<uint64_t>(place) >> (8 * i));
    }
    if (file.kind == Journal) {
        for (int i = 0; i < 4; ++i) {
            bound.bytes[25 + i] = static_cast<unsigned char>(pageNumber >> (8 * i));
        }
        bound.size = 29;
    }
    return bound;
}

} // namespace

void seal(const SealedFile& file, sqlite3_int64 place, uint32_t pageNumber,
          const unsigned char* plain, unsigned char* out) {
    const Binding bound = boundTo(file, place, pageNumber);
    unsigned char* nonce = out + kSealed;
    randombytes_buf(nonce, kNonce);
    crypto_aead_xchacha20poly1305_ietf_encrypt_detached(out, out + kSealed + kNonce, nullptr, plain,
                                                        kSealed, bound.bytes.data(), bound.size,
                                                        nullptr, nonce, file.key->bytes());
}

bool open(const SealedFile& file, sqlite3_int64 place, uint32_t pageNumber,
          const unsigned char* stored, unsigned char* plain) {
    const Binding bound = boundTo(file, place, pageNumber);
    const bool opened =
        crypto_aead_xchacha20poly1305_ietf_decrypt_detached(
            plain, nullptr, stored, kSealed, stored + kSealed + kNonce, bound.bytes.data(),
            bound.size, stored + kSealed, file.key->bytes()) == 0;
    std::memset(plain + kSealed, 0, SealedHeader::kReservedBytes); // SQLite's reserved bytes
    return opened;
}

} // namespace sealedvfs::page
