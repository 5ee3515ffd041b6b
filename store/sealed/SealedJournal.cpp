#include "sealed/SealedJournal.h"

#include <cstring>

namespace sealedvfs::journal {
namespace {

using page::kSize;
using page::SealedFile;

constexpr unsigned char kMagic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
constexpr int kFields = 28;                    // magic, count, seed, size, sector, page
constexpr int kMac = crypto_generichash_BYTES; // in the header's unused bytes after them
constexpr int kRecord = 4 + kSize + 4;         // page number, page image, checksum
constexpr int kHeaderAlignment = 512;          // the least sector size SQLite uses

uint32_t big32(const unsigned char* at) {
    return static_cast<uint32_t>(at[0]) << 24 | static_cast<uint32_t>(at[1]) << 16 |
           static_cast<uint32_t>(at[2]) << 8 | at[3];
}

// SQLite reads and writes whole records in three parts, each its own call: the header's fields
// at a sector boundary, a page image never there (4 + n * kRecord is never a multiple of 512).
bool isPageImage(int amount, sqlite3_int64 offset) {
    return amount == kSize && offset % kHeaderAlignment != 0;
}

bool startsWithMagic(const unsigned char* bytes, int amount) {
    return amount >= 8 && std::memcmp(bytes, kMagic, sizeof kMagic) == 0;
}

int readReal(const SealedFile& file, unsigned char* into, int amount, sqlite3_int64 offset) {
    return file.real->pMethods->xRead(file.real, into, amount, offset);
}

// The number of the database page whose image starts at `offset`: SQLite wrote it just before.
uint32_t pageNumberBefore(const SealedFile& file, sqlite3_int64 offset) {
    unsigned char number[4] = {};
    return readReal(file, number, 4, offset - 4) == SQLITE_OK ? big32(number) : 0;
}

// The MAC of a header's fields, under a key derived from the file key for this use alone.
std::array<unsigned char, kMac> macOf(const SealedFile& file, sqlite3_int64 offset,
                                      const unsigned char* fields) {
    unsigned char key[crypto_generichash_KEYBYTES];
    crypto_kdf_derive_from_key(key, sizeof key, 1, "LMjournl", file.key->bytes());
    unsigned char message[16 + 8 + kFields];
    std::memcpy(message, file.fileId.data(), 16);
    for (int i = 0; i < 8; ++i) {
        message[16 + i] = static_cast<unsigned char>(static_cast<uint64_t>(offset) >> (8 * i));
    }
    std::memcpy(message + 24, fields, kFields);
    std::array<unsigned char, kMac> mac{};
    crypto_generichash(mac.data(), mac.size(), message, sizeof message, key, sizeof key);
    sodium_memzero(key, sizeof key);
    return mac;
}

// The header at `offset` as it stands, when its MAC holds.
bool readHeader(const SealedFile& file, sqlite3_int64 offset, unsigned char* fields) {
    unsigned char stored[kFields + kMac];
    return readReal(file, stored, sizeof stored, offset) == SQLITE_OK &&
           startsWithMagic(stored, kFields) &&
           sodium_memcmp(macOf(file, offset, stored).data(), stored + kFields, kMac) == 0 &&
           (std::memcpy(fields, stored, kFields), true);
}

// SQLite's checksum of a page image: its seed plus every 200th byte from the end.
uint32_t checksumOf(uint32_t seed, const unsigned char* plain) {
    for (int i = kSize - 200; i > 0; i -= 200) {
        seed += plain[i];
    }
    return seed;
}

// Whether the segment whose header is at `offset` is as this program wrote it: the header, the
// first header's sector size, and each record SQLite will play back.
bool segmentWhole(SealedFile& file, sqlite3_int64 offset) {
    unsigned char fields[kFields], first[kFields];
    sqlite3_int64 size = 0;
    if (!readHeader(file, offset, fields) || !readHeader(file, 0, first) ||
        big32(fields + 24) != static_cast<uint32_t>(kSize) ||
        file.real->pMethods->xFileSize(file.real, &size) != SQLITE_OK) {
        return false;
    }
    const uint32_t sector = big32(first + 20);
    if (sector < kHeaderAlignment || sector > 65536 || (sector & (sector - 1)) != 0) {
        return false;
    }
    const sqlite3_int64 start = offset + sector;
    const sqlite3_int64 fitting = size > start ? (size - start) / kRecord : 0;
    const uint32_t count = big32(fields + 8);
    const sqlite3_int64 records = count == 0xffffffffu ? fitting : count;
    if (records > fitting) {
        return false;
    }
    std::vector<unsigned char> plain(kSize);
    unsigned char number[4], checksum[4];
    for (sqlite3_int64 at = start; at < start + records * kRecord; at += kRecord) {
        if (readReal(file, number, 4, at) != SQLITE_OK ||
            readReal(file, file.scratch.data(), kSize, at + 4) != SQLITE_OK ||
            readReal(file, checksum, 4, at + 4 + kSize) != SQLITE_OK ||
            !page::open(file, at + 4, big32(number), file.scratch.data(), plain.data()) ||
            checksumOf(big32(fields + 12), plain.data()) != big32(checksum)) {
            return false;
        }
    }
    return true;
}

int refuse(SealedFile& file, unsigned char* into, int amount) {
    file.markDamaged();
    std::memset(into, 0, static_cast<size_t>(amount));
    return SQLITE_IOERR_DATA;
}

} // namespace

int read(SealedFile& file, unsigned char* into, int amount, sqlite3_int64 offset) {
    if (isPageImage(amount, offset)) {
        const int rc = readReal(file, file.scratch.data(), kSize, offset);
        if (rc == SQLITE_IOERR_SHORT_READ) {
            std::memset(into, 0, kSize); // past the end: SQLite takes the journal to end there
            return rc;
        }
        if (rc != SQLITE_OK) {
            return rc;
        }
        return page::open(file, offset, pageNumberBefore(file, offset), file.scratch.data(), into)
                   ? SQLITE_OK
                   : refuse(file, into, amount);
    }
    const int rc = readReal(file, into, amount, offset);
    if (rc != SQLITE_OK || amount != 8 || !startsWithMagic(into, amount)) {
        return rc;
    }
    // A header, about to be played back; or, away from a sector boundary, the pointer to a
    // super-journal, which this program never writes.
    return offset % kHeaderAlignment == 0 && segmentWhole(file, offset)
               ? SQLITE_OK
               : refuse(file, into, amount);
}

int write(SealedFile& file, const unsigned char* from, int amount, sqlite3_int64 offset) {
    if (isPageImage(amount, offset)) {
        page::seal(file, offset, pageNumberBefore(file, offset), from, file.scratch.data());
        return file.real->pMethods->xWrite(file.real, file.scratch.data(), kSize, offset);
    }
    if (offset % kHeaderAlignment != 0 || !startsWithMagic(from, amount) ||
        (amount != 12 && amount < kFields + kMac)) {
        return file.real->pMethods->xWrite(file.real, from, amount, offset);
    }
    // SQLite marks a header valid: whole (no sync asked for), or its magic and count written
    // over it once the records are synced. The fields go with their MAC, in one write.
    std::vector<unsigned char> header(from, from + amount);
    if (amount == 12) {
        header.resize(kFields + kMac);
        const int rc = readReal(file, header.data() + 12, kFields - 12, offset + 12);
        if (rc != SQLITE_OK) {
            return SQLITE_IOERR_WRITE;
        }
    }
    const auto mac = macOf(file, offset, header.data());
    std::memcpy(header.data() + kFields, mac.data(), kMac);
    return file.real->pMethods->xWrite(file.real, header.data(), static_cast<int>(header.size()),
                                       offset);
}

} // namespace sealedvfs::journal
