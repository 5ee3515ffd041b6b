#pragma once

// The longest texts an entry keeps, in bytes of UTF-8. Far beyond any real title, user name,
// password, web address or note, and short enough that the lists, the search and the editor
// stay quick: a field of megabytes would take minutes to lay out.
constexpr int kLongestField = 4096; // title, user name, password, web address
constexpr int kLongestMemo = 65536;
