#include "OwnLinks.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::deque<std::string> partsOf(const std::string& path) {
    std::deque<std::string> parts;
    for (size_t at = 0; at <= path.size();) {
        const size_t slash = std::min(path.find('/', at), path.size());
        if (slash > at) {
            parts.push_back(path.substr(at, slash - at));
        }
        at = slash + 1;
    }
    return parts;
}

} // namespace

bool onlyOwnLinks(const std::string& path) {
    // Walks the path a part at a time, as the kernel does, with each link's target put in its
    // place.
    std::deque<std::string> rest = partsOf(path);
    std::string walked = path.compare(0, 1, "/") == 0 ? "" : ".";
    for (int links = 0; !rest.empty();) {
        const std::string next = walked + "/" + rest.front();
        rest.pop_front();
        struct stat status {};
        if (::lstat(next.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            walked = next; // a file, a folder, or nothing yet: no link here
            continue;
        }
        if ((status.st_uid != ::geteuid() && status.st_uid != 0) || ++links > 40) {
            return false;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(next.c_str(), target.data(), target.size());
        if (length < 0 || length >= PATH_MAX) {
            return false;
        }
        target.resize(static_cast<size_t>(length));
        const std::deque<std::string> parts = partsOf(target);
        rest.insert(rest.begin(), parts.begin(), parts.end());
        if (target.compare(0, 1, "/") == 0) {
            walked = ""; // an absolute target starts again from the root
        }
    }
    return true;
}
