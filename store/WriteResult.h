#pragma once

// What a change to one row did. A change that the database refused (a
// constraint, a lock, a read-only file, a full disk) changed nothing; one that
// ran but found no row to change (another program deleted it meanwhile)
// changed nothing either, and the caller must not report it as done. A guarded
// change finds the row changed by another program since the caller read it
// (Changed), and leaves it as that program left it.
enum class WriteResult { Failed, NoRow, Changed, Done };
