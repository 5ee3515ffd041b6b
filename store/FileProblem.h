#pragma once

// Why the database file cannot be used, as the store found it when it opened the file. The
// program says so at start instead of refusing every login without a word.
enum class FileProblem {
    None,
    NoDocumentsFolder, // the platform names none, or it cannot be made
    CannotCreate,      // the folder does not let the file be made
    ForeignLink,       // the file's name is a symbolic link that another user owns
    DanglingLink,      // the file's name is a symbolic link to nothing
    CannotOpen,        // a folder or something else that is no file stands there, or no access
    NotADatabase,      // the bytes are not an SQLite database
    Damaged,           // SQLite found the database damaged
    Busy,              // another program held the file's lock all the time the store waited
    ReadOnly,          // it opens, but cannot be written: everything can be read, nothing saved
    Moved, // renamed, replaced or deleted while the program ran: nothing more is read or written
    Protected, // sealed with a file passphrase: opened by unlock(), not before
};
