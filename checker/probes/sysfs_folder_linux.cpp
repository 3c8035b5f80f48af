// Folder listing of the Linux probes, one handle owner for all of them.
#include <dirent.h>

#include <algorithm>
#include <memory>

#include "sysfs_files.h"

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

bool listFolder(const std::string& path, std::vector<std::string>& names) {
    const std::unique_ptr<DIR, DirCloser> dir(opendir(path.c_str()));
    if (!dir) return false;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    }
    std::sort(names.begin(), names.end());
    return true;
}
