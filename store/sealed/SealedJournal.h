#pragma once

#include "sealed/SealedPage.h"

// A protected file's rollback journal, as SQLite reads and writes it through the sealing VFS.
//
// SQLite's journal holds, after a header at each sector boundary (its magic, the count of
// records, a random checksum seed, the database's size before the transaction, the sector and
// page sizes), one record per page it may have to put back: the page's number, the page as it
// was, and a checksum. The page images hold the database's text: they are sealed, bound to their
// place and to their page number. The rest stays as SQLite writes it, but each header that SQLite
// marks valid gets a keyed MAC in the bytes after its fields, which SQLite leaves unused.
//
// Before SQLite plays back a segment of the journal (after a crash, or for a ROLLBACK) the
// header's MAC, every one of its records (their page images and SQLite's checksums) is checked:
// a journal changed by anyone without the key (its count, the size to truncate to, a page number,
// a checksum, a page, a record of another database) is refused as damaged before a single page
// of the database is written back, and nothing more is written to the file.
namespace sealedvfs::journal {

int read(page::SealedFile& file, unsigned char* into, int amount, sqlite3_int64 offset);
int write(page::SealedFile& file, const unsigned char* from, int amount, sqlite3_int64 offset);

} // namespace sealedvfs::journal
