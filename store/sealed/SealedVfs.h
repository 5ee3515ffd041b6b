#pragma once

#include "sealed/FileKey.h"

#include <array>
#include <memory>
#include <string>

// A VFS shim over SQLite's default VFS that seals everything SQLite writes for a protected file:
// every page of the database, each with its own random nonce and authenticated together with
// the file's ID and its page number (XChaCha20-Poly1305, the nonce and tag in the 40 bytes that
// the database reserves at the end of each page), and its rollback journal (SealedJournal.h). A
// page that fails authentication (flipped, moved, from another file) reads as damaged, and from
// then on nothing more is written to that file. Temporary
// files are refused: the connection keeps them in memory (temp_store=MEMORY), so none can
// spill to disk in the clear.
namespace sealedvfs {

inline constexpr const char* kName = "lockmere-sealed";

// Registers the VFS (not as the default) once; false when SQLite or libsodium refuses.
bool install();
// Lets the VFS open the protected file at `path` (its journal too) with `key`: the file's header
// (kSize bytes, written when the file is new) must carry the same file ID.
void admit(const std::string& path, std::shared_ptr<FileKey> key,
           const std::array<unsigned char, 4096>& header);
void forget(const std::string& path);
// Whether a page of the file at `path` failed authentication since it was admitted.
bool damaged(const std::string& path);

} // namespace sealedvfs

namespace sealedvfs {
// Whether every page of the admitted protected file at `path` opens with its key, and none is
// missing (the database's own count of its pages agrees with the file's size, unless a rollback
// journal still has to put it back). Reads the file directly: nothing is written.
bool everyPageOpens(const std::string& path);
} // namespace sealedvfs
