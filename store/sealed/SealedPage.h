#pragma once

#include "sealed/FileKey.h"
#include "sealed/SealedHeader.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <sodium.h>
#include <sqlite3.h>
#include <string>
#include <vector>

// What the sealing VFS's database file and rollback journal share: one open file, and how one
// page of it is sealed and opened.
namespace sealedvfs::page {

constexpr sqlite3_int64 kHeader = SealedHeader::kSize;
constexpr int kSize = SealedHeader::kPageSize;
// The bytes of a page that are encrypted; the nonce and tag fill the rest.
constexpr int kSealed = kSize - static_cast<int>(SealedHeader::kReservedBytes);
constexpr int kNonce = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr int kTag = crypto_aead_xchacha20poly1305_ietf_ABYTES;
static_assert(kNonce + kTag == SealedHeader::kReservedBytes);

enum Kind : unsigned char { Database = 1, Journal = 2 };

// One open file: SQLite's own file of the default VFS follows this struct in the same block.
struct SealedFile {
    sqlite3_file base;
    sqlite3_file* real;
    Kind kind;
    std::string path; // of the database, also for its journal
    std::shared_ptr<FileKey> key;
    std::array<unsigned char, SealedHeader::kFileIdBytes> fileId{};
    // Shared by every open file of one admitted database: once a page fails authentication, or
    // the file is let go of, nothing more is written to it.
    std::shared_ptr<std::atomic<bool>> damaged;
    std::vector<unsigned char> scratch = std::vector<unsigned char>(kSize);

    void markDamaged() const { damaged->store(true); }
    bool isDamaged() const { return damaged == nullptr || damaged->load(); }
};

// Seals the first kSealed bytes of `plain` into `out` (ciphertext, then nonce and tag), bound to
// the file, its kind, the place and, in a journal, the number of the database page it holds.
void seal(const SealedFile& file, sqlite3_int64 place, uint32_t pageNumber,
          const unsigned char* plain, unsigned char* out);
// Opens what `seal` made into `plain` (kSize bytes, the reserved ones zero); false when it fails
// authentication.
bool open(const SealedFile& file, sqlite3_int64 place, uint32_t pageNumber,
          const unsigned char* stored, unsigned char* plain);

} // namespace sealedvfs::page
