#pragma once

#include <cstddef>
#include <memory>

// The key that seals every page of a protected file: 32 random bytes in memory that libsodium
// guards (locked against swapping, fenced by guard pages, read-only once made) and wipes when
// the last holder lets go of it.
class FileKey {
public:
    static constexpr size_t kBytes = 32;

    // A fresh key from the system's random source; nullptr when no guarded memory can be had.
    static std::shared_ptr<FileKey> random();
    // A key from `bytes` (kBytes long), as a key slot gives it back.
    static std::shared_ptr<FileKey> fromBytes(const unsigned char* bytes);

    ~FileKey();
    FileKey(const FileKey&) = delete;
    FileKey& operator=(const FileKey&) = delete;

    const unsigned char* bytes() const { return bytes_; }

private:
    explicit FileKey(unsigned char* bytes) : bytes_(bytes) {}
    static std::shared_ptr<FileKey> made(void (*fill)(unsigned char*, const unsigned char*),
                                         const unsigned char* from);

    unsigned char* bytes_;
};

// libsodium set up once; false when it cannot be (no random source).
bool sodiumReady();
