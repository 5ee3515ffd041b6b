#include "sealed/SealedHeader.h"

#include <cstring>
#include <fcntl.h>
#include <sodium.h>
#include <unistd.h>

namespace {

constexpr unsigned char kMagic[16] = {'L', 'o', 'c', 'k', 'm', 'e', 'r', 'e',
                                      ' ', 's', 'e', 'a', 'l', 'e', 'd', 0};
constexpr uint32_t kVersion = 1;
// Within a slot: in use, the Argon2id cost, salt and nonce, then the wrapped key and its tag.
constexpr size_t kUsedAt = 0, kOpsAt = 1, kMemAt = 9, kSaltAt = 17, kNonceAt = 33, kWrappedAt = 57;
constexpr size_t kWrappedBytes = FileKey::kBytes + crypto_aead_xchacha20poly1305_ietf_ABYTES;
// Crockford's base32: no I, L, O or U, which read like 1, 1, 0 and V.
constexpr char kCodeLetters[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

void put64(unsigned char* at, uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        at[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

uint64_t get64(const unsigned char* at) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = (value << 8) | at[i];
    }
    return value;
}

void put32(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

uint32_t get32(const unsigned char* at) {
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// Reads the first `n` bytes of a file; fewer when it is shorter.
size_t readStart(const std::string& path, unsigned char* into, size_t n) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    size_t got = 0;
    while (got < n) {
        const ssize_t part = ::read(fd, into + got, n - got);
        if (part <= 0) {
            break;
        }
        got += static_cast<size_t>(part);
    }
    ::close(fd);
    return got;
}

// A cost that no file of ours asks for is a damaged or forged slot, not a task to run: the
// header's checksum has no key, so anyone may write a slot that asks for a minute of work.
bool costWeMake(uint64_t opslimit, uint64_t memlimit) {
    return opslimit >= crypto_pwhash_OPSLIMIT_MIN && opslimit <= 8 &&
           memlimit >= crypto_pwhash_MEMLIMIT_MIN && memlimit <= (1ull << 30);
}

} // namespace

KdfCost KdfCost::forUnlocking() {
    return {crypto_pwhash_OPSLIMIT_MODERATE, crypto_pwhash_MEMLIMIT_MODERATE};
}

KdfCost KdfCost::cheapest() {
    return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

SealedHeader::Kind SealedHeader::kindOf(const std::string& path) {
    unsigned char start[sizeof kMagic] = {};
    if (readStart(path, start, sizeof start) < sizeof start ||
        std::memcmp(start, kMagic, sizeof kMagic) != 0) {
        return Kind::Plain;
    }
    return read(path) ? Kind::Sealed : Kind::Damaged;
}

std::optional<SealedHeader> SealedHeader::read(const std::string& path) {
    if (!sodiumReady()) {
        return std::nullopt;
    }
    SealedHeader header;
    if (readStart(path, header.bytes_.data(), kSize) < kSize ||
        std::memcmp(header.bytes_.data(), kMagic, sizeof kMagic) != 0) {
        return std::nullopt;
    }
    unsigned char checksum[crypto_generichash_BYTES];
    crypto_generichash(checksum, sizeof checksum, header.bytes_.data(), kChecksumAt, nullptr, 0);
    const unsigned char* d = header.bytes_.data();
    if (sodium_memcmp(checksum, d + kChecksumAt, sizeof checksum) != 0 ||
        get32(d + 16) != kVersion || get32(d + 20) != kPageSize ||
        get32(d + 24) != kReservedBytes) {
        return std::nullopt;
    }
    for (const Slot slot : {Slot::Passphrase, Slot::RecoveryCode}) {
        const unsigned char* s = d + kSlotsAt + static_cast<size_t>(slot) * kSlotBytes;
        if (s[kUsedAt] != 1 || !costWeMake(get64(s + kOpsAt), get64(s + kMemAt))) {
            return std::nullopt;
        }
    }
    return header;
}

SealedHeader SealedHeader::fresh() {
    SealedHeader header;
    unsigned char* d = header.bytes_.data();
    std::memcpy(d, kMagic, sizeof kMagic);
    put32(d + 16, kVersion);
    put32(d + 20, kPageSize);
    put32(d + 24, kReservedBytes);
    if (sodiumReady()) {
        randombytes_buf(d + kFileIdAt, kFileIdBytes);
    }
    header.seal();
    return header;
}

void SealedHeader::seal() {
    crypto_generichash(bytes_.data() + kChecksumAt, crypto_generichash_BYTES, bytes_.data(),
                       kChecksumAt, nullptr, 0);
}

std::array<unsigned char, SealedHeader::kSize> SealedHeader::bytes() const {
    return bytes_;
}

bool SealedHeader::setSlot(Slot slot, const FileKey& key, const std::string& secret, KdfCost cost) {
    if (!sodiumReady()) {
        return false;
    }
    unsigned char* s = bytes_.data() + kSlotsAt + static_cast<size_t>(slot) * kSlotBytes;
    s[kUsedAt] = 1;
    put64(s + kOpsAt, cost.opslimit);
    put64(s + kMemAt, cost.memlimit);
    randombytes_buf(s + kSaltAt, crypto_pwhash_SALTBYTES);
    randombytes_buf(s + kNonceAt, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    auto* wrapping = static_cast<unsigned char*>(sodium_malloc(FileKey::kBytes));
    if (wrapping == nullptr ||
        crypto_pwhash(wrapping, FileKey::kBytes, secret.data(), secret.size(), s + kSaltAt,
                      cost.opslimit, cost.memlimit, crypto_pwhash_ALG_ARGON2ID13) != 0) {
        sodium_free(wrapping);
        return false;
    }
    // Bound to everything before the wrapped key: the file, the slot, its cost, salt and nonce.
    unsigned char bound[kFileIdAt + kFileIdBytes + 1 + kWrappedAt];
    std::memcpy(bound, bytes_.data(), kFileIdAt + kFileIdBytes);
    bound[kFileIdAt + kFileIdBytes] = static_cast<unsigned char>(slot);
    std::memcpy(bound + kFileIdAt + kFileIdBytes + 1, s, kWrappedAt);
    crypto_aead_xchacha20poly1305_ietf_encrypt(s + kWrappedAt, nullptr, key.bytes(),
                                               FileKey::kBytes, bound, sizeof bound, nullptr,
                                               s + kNonceAt, wrapping);
    sodium_free(wrapping);
    seal();
    return true;
}

void SealedHeader::takeSlot(Slot slot, const SealedHeader& from) {
    const size_t at = kSlotsAt + static_cast<size_t>(slot) * kSlotBytes;
    std::memcpy(bytes_.data() + at, from.bytes_.data() + at, kSlotBytes);
    seal();
}

std::shared_ptr<FileKey> SealedHeader::unwrap(Slot slot, const std::string& secret) const {
    const unsigned char* s = bytes_.data() + kSlotsAt + static_cast<size_t>(slot) * kSlotBytes;
    const uint64_t opslimit = get64(s + kOpsAt), memlimit = get64(s + kMemAt);
    // A cost that no file of ours asks for is a damaged or forged slot, not a task to run.
    if (s[kUsedAt] != 1 || !costWeMake(opslimit, memlimit)) {
        return nullptr;
    }
    auto* wrapping = static_cast<unsigned char*>(sodium_malloc(FileKey::kBytes));
    auto* key = static_cast<unsigned char*>(sodium_malloc(FileKey::kBytes));
    std::shared_ptr<FileKey> opened;
    unsigned char bound[kFileIdAt + kFileIdBytes + 1 + kWrappedAt];
    std::memcpy(bound, bytes_.data(), kFileIdAt + kFileIdBytes);
    bound[kFileIdAt + kFileIdBytes] = static_cast<unsigned char>(slot);
    std::memcpy(bound + kFileIdAt + kFileIdBytes + 1, s, kWrappedAt);
    if (wrapping != nullptr && key != nullptr &&
        crypto_pwhash(wrapping, FileKey::kBytes, secret.data(), secret.size(), s + kSaltAt,
                      opslimit, static_cast<size_t>(memlimit), crypto_pwhash_ALG_ARGON2ID13) == 0 &&
        crypto_aead_xchacha20poly1305_ietf_decrypt(key, nullptr, nullptr, s + kWrappedAt,
                                                   kWrappedBytes, bound, sizeof bound, s + kNonceAt,
                                                   wrapping) == 0) {
        opened = FileKey::fromBytes(key);
    }
    sodium_free(wrapping);
    sodium_free(key);
    return opened;
}

std::shared_ptr<FileKey> SealedHeader::unlock(const std::string& secret, Slot* opened) const {
    if (std::shared_ptr<FileKey> key = unwrap(Slot::Passphrase, secret)) {
        if (opened != nullptr) {
            *opened = Slot::Passphrase;
        }
        return key;
    }
    const std::string code = normalRecoveryCode(secret);
    std::shared_ptr<FileKey> key = code.size() == 32 ? unwrap(Slot::RecoveryCode, code) : nullptr;
    if (key != nullptr && opened != nullptr) {
        *opened = Slot::RecoveryCode;
    }
    return key;
}

std::string SealedHeader::newRecoveryCode() {
    unsigned char random[20];
    if (!sodiumReady()) {
        return {};
    }
    randombytes_buf(random, sizeof random);
    std::string code;
    for (size_t bit = 0; bit < sizeof random * 8; bit += 5) {
        int value = 0;
        for (size_t b = bit; b < bit + 5; ++b) {
            value = (value << 1) | ((random[b / 8] >> (7 - b % 8)) & 1);
        }
        if (!code.empty() && code.size() % 5 == 4) {
            code += '-';
        }
        code += kCodeLetters[value];
    }
    sodium_memzero(random, sizeof random);
    return code;
}

std::string SealedHeader::normalRecoveryCode(const std::string& typed) {
    std::string code;
    for (char c : typed) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        c = c == 'O' ? '0' : (c == 'I' || c == 'L') ? '1' : c;
        if (std::strchr(kCodeLetters, c) != nullptr && c != '\0') {
            code += c;
        }
    }
    return code;
}
