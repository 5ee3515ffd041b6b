#pragma once

#include <string>

// Whether following `path` passes only through symbolic links that this user or the system
// (root) made, in every folder on the way and at its end. A link that another user made can
// send whatever is written there wherever that user chose, also where the kernel would follow
// it (a link of the folder's owner in a shared folder).
bool onlyOwnLinks(const std::string& path);
