// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSystem.h"

#include "LetterCase.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace pikora {

namespace {

    // A folder being read, closed however the reading ends (storage can run out).
    struct FolderCloser
    {
        void operator()(DIR* dir) const { ::closedir(dir); }
    };
    using OpenFolder = std::unique_ptr<DIR, FolderCloser>;

    // Byte order of the two names upper-cased by ASCII rules: <0, 0 or >0.
    int compareAsciiUpper(std::string_view a, std::string_view b)
    {
        const std::size_t common = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < common; ++i) {
            auto x = static_cast<unsigned char>(a[i]);
            auto y = static_cast<unsigned char>(b[i]);
            if (x == y) {
                continue; // names of one folder mostly share their first letters
            }
            x = (x >= 'a' && x <= 'z') ? x - 32 : x;
            y = (y >= 'a' && y <= 'z') ? y - 32 : y;
            if (x != y) {
                return x < y ? -1 : 1;
            }
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }

    bool exists(const std::string& path)
    {
        struct stat st;
        return ::lstat(path.c_str(), &st) == 0;
    }

    // The spelling of `component` inside `folder` that exists, or the component unchanged.
    std::string resolveComponent(const std::string& folder, const std::string& component)
    {
        const std::string prefix
            = folder.empty() ? std::string() : (folder == "/" ? folder : folder + "/");
        if (component == "." || component == ".." || exists(prefix + component)) {
            return component;
        }
        const OpenFolder dir(::opendir(folder.empty() ? "." : folder.c_str()));
        if (dir == nullptr) {
            return component;
        }
        // The component is folded once; an ASCII name folds to ASCII, so it is compared
        // without a copy and can only match a component that folds to ASCII.
        const std::string folded = foldCase(component);
        const bool foldedAscii = isAscii(folded);
        std::string found = component;
        while (const dirent* entry = ::readdir(dir.get())) {
            const std::string_view name = entry->d_name;
            const bool match = isAscii(name) ? foldedAscii && equalsIgnoringAsciiCase(name, folded)
                                             : foldCase(name) == folded;
            if (match) {
                found = entry->d_name;
                break;
            }
        }
        return found;
    }

    std::string hiddenListPath(const std::string& folder)
    {
        return folder.empty() ? std::string(".hidden")
                              : (folder == "/" ? "/.hidden" : folder + "/.hidden");
    }

    // The names listed in a `.hidden` file, one a line; a CR before the line feed is ignored.
    std::vector<std::string_view> hiddenLines(std::string_view content)
    {
        std::vector<std::string_view> lines;
        std::size_t start = 0;
        while (start < content.size()) {
            auto end = content.find('\n', start);
            if (end == std::string_view::npos) {
                end = content.size();
            }
            auto line = content.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            lines.push_back(line);
            start = end + 1;
        }
        return lines;
    }

    bool listsName(std::string_view content, std::string_view name)
    {
        const auto lines = hiddenLines(content);
        return std::find(lines.begin(), lines.end(), name) != lines.end();
    }

    // A mark is only read or written for a file that is there: 0, or an errno code.
    int checkPresent(const std::string& folder, const std::string& name)
    {
        const std::string full
            = folder.empty() ? name : (folder == "/" ? "/" + name : folder + "/" + name);
        struct stat st;
        return ::lstat(full.c_str(), &st) == 0 ? 0 : errno;
    }

    // A folder is listed by its names compared without regard to case: upper-cased, then
    // byte by byte; names that differ only in case follow their own bytes. Setup's list and
    // the score report come out alphabetical, and the same on every file system.
    void sortAsListed(std::vector<FoundFile>& files)
    {
        const bool allAscii = std::all_of(files.begin(), files.end(),
            [](const FoundFile& file) { return isAscii(file.name); });
        if (allAscii) {
            // The usual folder: compared in place, without a key for every name.
            std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) {
                const int byKey = compareAsciiUpper(a.name, b.name);
                return byKey != 0 ? byKey < 0 : a.name < b.name;
            });
            return;
        }
        std::vector<std::string> keys;
        keys.reserve(files.size());
        for (const auto& file : files) {
            keys.push_back(upperCase(file.name));
        }
        std::vector<std::size_t> order(files.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const int byKey = keys[a].compare(keys[b]);
            return byKey != 0 ? byKey < 0 : files[a].name < files[b].name;
        });
        std::vector<FoundFile> sorted;
        sorted.reserve(files.size());
        for (std::size_t i : order) {
            sorted.push_back(std::move(files[i]));
        }
        files = std::move(sorted);
    }

    // Each block reaches the file in one write to a descriptor opened with O_APPEND, so that
    // the blocks of two programs that end a game at once never mix.
    class PosixTextAppender : public TextAppender
    {
    public:
        explicit PosixTextAppender(int fd)
            : m_fd(fd)
        { }
        ~PosixTextAppender() override { ::close(m_fd); }

        void write(const std::string& text) override
        {
            std::string out;
            out.reserve(text.size() + 16);
            for (char c : text) {
                if (c == '\n') {
                    out.push_back('\r');
                }
                out.push_back(c);
            }
            std::size_t done = 0;
            while (done < out.size()) {
                const ssize_t wrote = ::write(m_fd, out.data() + done, out.size() - done);
                if (wrote < 0 && errno == EINTR) {
                    continue;
                }
                if (wrote <= 0) {
                    return; // the disk is full or gone: the rest goes unwritten
                }
                done += static_cast<std::size_t>(wrote);
            }
        }

    private:
        int m_fd;
    };

} // namespace

std::string localPath(std::string_view path)
{
    std::string result;
    std::size_t start = 0;
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        result = "/";
        start = 1;
    }
    while (start <= path.size()) {
        auto end = path.find_first_of("/\\", start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string component(path.substr(start, end - start));
        if (!component.empty()) {
            const std::string resolved = resolveComponent(result, component);
            if (!result.empty() && result != "/") {
                result += '/';
            }
            result += resolved;
        }
        start = end + 1;
    }
    return result;
}

bool wildcardMatch(std::string_view pattern, std::string_view name)
{
    // Iterative matcher with one backtrack point for the last '*': linear in practice.
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()
            && (pattern[p] == '?' || asciiLower(pattern[p]) == asciiLower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::vector<FoundFile> FileSystem::findFiles(const std::string& pattern)
{
    // Only the folder is looked up by name: resolving the wildcard as if it were a file name
    // would read the whole folder a second time.
    const auto cut = pattern.find_last_of("/\\");
    const std::string folder = cut == std::string::npos
        ? std::string()
        : localPath(std::string_view(pattern).substr(0, cut == 0 ? 1 : cut));
    const std::string wildcard = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    std::vector<FoundFile> found;
    const OpenFolder dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (dir == nullptr) {
        return found;
    }
    std::string hiddenContent;
    readSharedFile(hiddenListPath(folder), hiddenContent, hiddenListLimit);
    std::unordered_set<std::string_view> hiddenNames;
    for (auto line : hiddenLines(hiddenContent)) {
        hiddenNames.insert(line);
    }
    // "*.bmp", a star and a plain tail, is what the program asks for: a name matches it when
    // it ends with the tail, which needs no backtracking over every name of a large folder.
    const bool starAndTail = wildcard.size() > 1 && wildcard[0] == '*'
        && wildcard.find_first_of("*?", 1) == std::string::npos;
    const std::string_view tail
        = starAndTail ? std::string_view(wildcard).substr(1) : std::string_view();
    const auto matches = [&](std::string_view name) {
        if (!starAndTail) {
            return wildcardMatch(wildcard, name);
        }
        return name.size() >= tail.size()
            && equalsIgnoringAsciiCase(name.substr(name.size() - tail.size()), tail);
    };
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || !matches(name)) {
            continue;
        }
        const bool hidden = !hiddenNames.empty() && hiddenNames.count(name) > 0;
        FoundFile file { std::string(name), hidden, entry->d_type == DT_DIR };
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st;
            const std::string full = folder.empty() ? file.name : folder + "/" + file.name;
            file.directory = ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        found.push_back(std::move(file));
    }
    sortAsListed(found);
    return found;
}

int FileSystem::readHiddenMark(const std::string& path, bool& hidden)
{
    const auto [folder, name] = splitFolder(localPath(path));
    if (const int error = checkPresent(folder, name); error != 0) {
        return error;
    }
    std::string content;
    readSharedFile(hiddenListPath(folder), content, hiddenListLimit);
    hidden = listsName(content, name);
    return 0;
}

int FileSystem::writeHiddenMark(const std::string& path, bool hidden)
{
    std::vector<HiddenMark> marks { { path, hidden, 0 } };
    const int listError = writeHiddenMarks(marks);
    return marks[0].error != 0 ? marks[0].error : listError;
}

namespace {

// The hidden list `content` with the names of `marks` listed or not as they ask: every line
// naming a name to show dropped, each name to hide not yet listed added at the end, every
// other byte as it was.
std::string markedList(
    const std::string& content, const std::vector<std::pair<std::string, HiddenMark*>>& marks)
{
    std::unordered_set<std::string_view> shown;
    for (const auto& [name, mark] : marks) {
        if (!mark->hidden) {
            shown.insert(name);
        }
    }
    std::string updated;
    updated.reserve(content.size());
    std::unordered_set<std::string_view> listed;
    for (std::size_t start = 0; start < content.size();) {
        const auto end = std::min(content.find('\n', start), content.size());
        std::string_view line(content.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t next = std::min(end + 1, content.size());
        if (shown.count(line) == 0) {
            updated.append(content, start, next - start);
            listed.insert(line);
        }
        start = next;
    }
    for (const auto& [name, mark] : marks) {
        if (mark->hidden && listed.insert(name).second) {
            if (!updated.empty() && updated.back() != '\n') {
                updated += '\n';
            }
            updated += name + '\n';
        }
    }
    return updated;
}

} // namespace

int FileSystem::writeHiddenMarks(std::vector<HiddenMark>& marks)
{
    // Marks by folder, in the order given.
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, HiddenMark*>>>> folders;
    for (auto& mark : marks) {
        const auto split = splitFolder(localPath(mark.path));
        const std::string& folder = split.first;
        std::string name = split.second;
        mark.error = checkPresent(folder, name);
        // The list holds a name a line: written, a name with a line feed would mark the file
        // named by its last line instead, and never itself.
        if (mark.error == 0 && mark.hidden && name.find('\n') != std::string::npos) {
            mark.error = EINVAL;
        }
        if (mark.error != 0) {
            continue;
        }
        auto at = std::find_if(folders.begin(), folders.end(),
            [&](const auto& entry) { return entry.first == folder; });
        if (at == folders.end()) {
            at = folders.insert(folders.end(), { folder, {} });
        }
        at->second.emplace_back(std::move(name), &mark);
    }
    int listError = 0;
    for (const auto& [folder, named] : folders) {
        // Read first without the lock: marks that are already as asked need neither the lock
        // nor a list made for them.
        std::string content;
        readSharedFile(hiddenListPath(folder), content, hiddenListLimit);
        if (markedList(content, named) == content) {
            continue;
        }
        // Locked from the read to the replacement, so that marks another program sets or
        // clears in between are not undone; one rewrite for all of the folder's marks.
        FileUpdate update;
        int error
            = update.begin(hiddenListPath(folder), FileUpdate::Access::CreateRead, hiddenListLimit);
        if (error == 0) {
            const std::string updated = markedList(update.content(), named);
            error = updated == update.content() ? 0 : update.commit(updated);
        }
        if (error != 0) {
            listError = error; // never a list we could not read; it stays as it was
        }
    }
    return listError;
}

std::string FileSystem::modulePath()
{
    std::vector<char> buffer(4096);
    const ssize_t got = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (got <= 0 || static_cast<std::size_t>(got) >= buffer.size()) {
        return std::string();
    }
    return std::string(buffer.data(), static_cast<std::size_t>(got));
}

int FileSystem::changeDirectory(const std::string& path)
{
    return ::chdir(localPath(path).c_str()) == 0 ? 0 : errno;
}

std::unique_ptr<TextAppender> FileSystem::openTextAppend(const std::string& path)
{
    if (path.empty()) {
        return nullptr;
    }
    // The report holds the learners' records: the group's alone in a shared folder.
    const int fd = openSharedAppend(localPath(path), 0660);
    if (fd < 0) {
        return nullptr;
    }
    return std::make_unique<PosixTextAppender>(fd);
}

} // namespace pikora
