#pragma once

#include "sealed/FileKey.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// How hard Argon2id works to turn a secret into a key: kept in each key slot, so that a file
// made with one cost opens with it wherever it goes.
struct KdfCost {
    unsigned long long opslimit = 0;
    size_t memlimit = 0;
    // About 0.6 s and 256 MiB on a 2-core machine of 2026: what an attacker pays per guess.
    static KdfCost forUnlocking();
    // The least libsodium allows: for tests only, where the cost is not the point.
    static KdfCost cheapest();
};

// The first 4096 bytes of a protected file. SQLite's pages follow it, each sealed by the file
// key; the header itself holds no secret in the clear:
//   magic, version, page size, reserved bytes per page, a random file ID (bound into every
//   sealed page, so that pages of another file do not pass for this one's), and two key slots.
//   Each slot holds the file key wrapped (XChaCha20-Poly1305) under a key that Argon2id derives
//   from a secret (the file passphrase; the recovery code) with the slot's own salt and cost;
//   everything else in the header is bound into the wrapping, so a slot moved or changed does not
//   open. A checksum of the whole header tells a damaged header from a wrong secret.
// Changing a secret rewrites one slot: no page is sealed again.
class SealedHeader {
public:
    static constexpr size_t kSize = 4096;
    static constexpr uint32_t kPageSize = 4096;
    // Nonce (24) and tag (16) at the end of every page.
    static constexpr uint32_t kReservedBytes = 40;
    static constexpr size_t kFileIdBytes = 16;
    static constexpr size_t kFileIdAt = 28;
    enum class Slot { Passphrase = 0, RecoveryCode = 1 };
    // What a file's first bytes say it is.
    enum class Kind { Plain, Sealed, Damaged };

    static Kind kindOf(const std::string& path);
    // The header of the protected file at `path`; none when it is damaged or not one.
    static std::optional<SealedHeader> read(const std::string& path);
    // A header for a new protected file, with a new file ID and no slot filled.
    static SealedHeader fresh();

    // Wraps `key` under the key that `secret` gives; false when the memory Argon2id needs cannot
    // be had.
    bool setSlot(Slot slot, const FileKey& key, const std::string& secret, KdfCost cost);
    // Puts in `from`'s slot: both headers are of one file, and the other slot stays as it is.
    void takeSlot(Slot slot, const SealedHeader& from);
    // The file key, when `secret` opens the passphrase slot or, read as a recovery code, the
    // recovery slot; nullptr otherwise.
    // `opened`, when given, says which slot it was.
    std::shared_ptr<FileKey> unlock(const std::string& secret, Slot* opened = nullptr) const;

    std::array<unsigned char, kSize> bytes() const;
    const unsigned char* fileId() const { return bytes_.data() + kFileIdAt; }

    // A new recovery code: 160 random bits as 32 letters and digits in eight groups of four,
    // without the letters that read like digits.
    static std::string newRecoveryCode();
    // A recovery code as typed (any case, any spaces or dashes, O for 0, I and L for 1) in the
    // form it was made in.
    static std::string normalRecoveryCode(const std::string& typed);

private:
    static constexpr size_t kSlotsAt = 44;
    static constexpr size_t kSlotBytes = 128;
    static constexpr size_t kChecksumAt = kSlotsAt + 2 * kSlotBytes;

    void seal(); // writes the checksum
    std::shared_ptr<FileKey> unwrap(Slot slot, const std::string& secret) const;

    std::array<unsigned char, kSize> bytes_{};
};
