// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace pikora {

namespace {

    char foldAscii(char c)
    {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }

    bool equalsIgnoringCase(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (foldAscii(a[i]) != foldAscii(b[i])) {
                return false;
            }
        }
        return true;
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
        DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
        if (dir == nullptr) {
            return component;
        }
        std::string found = component;
        while (const dirent* entry = ::readdir(dir)) {
            if (equalsIgnoringCase(entry->d_name, component)) {
                found = entry->d_name;
                break;
            }
        }
        ::closedir(dir);
        return found;
    }

    // Splits a local path into its folder ("" for the current one) and its last component.
    std::pair<std::string, std::string> splitFolder(const std::string& path)
    {
        const auto slash = path.rfind('/');
        if (slash == std::string::npos) {
            return { std::string(), path };
        }
        return { slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1) };
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

    class PosixTextAppender : public TextAppender
    {
    public:
        explicit PosixTextAppender(std::FILE* file)
            : m_file(file)
        { }
        ~PosixTextAppender() override { std::fclose(m_file); }

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
            std::fwrite(out.data(), 1, out.size(), m_file);
        }

    private:
        std::FILE* m_file;
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

std::string foldCase(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) {
        c = foldAscii(c);
    }
    return folded;
}

bool wildcardMatch(std::string_view pattern, std::string_view name)
{
    // Iterative matcher with one backtrack point for the last '*': linear in practice.
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()
            && (pattern[p] == '?' || foldAscii(pattern[p]) == foldAscii(name[n]))) {
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

int readWholeFile(const std::string& path, std::string& content)
{
    // Without O_NONBLOCK opening a FIFO would wait for a writer, and a device such as
    // /dev/zero never ends: only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return error;
    }
    content.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            return error;
        }
        if (got == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return 0;
}

int writeFileAtomically(const std::string& path, const std::string& content)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return errno;
    }
    struct stat old;
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    int error = 0;
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (error == 0 && ::fchmod(fd, mode) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.c_str());
    }
    return error;
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
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return found;
    }
    std::string hiddenContent;
    readWholeFile(hiddenListPath(folder), hiddenContent);
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
            && equalsIgnoringCase(name.substr(name.size() - tail.size()), tail);
    };
    while (const dirent* entry = ::readdir(dir)) {
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
    ::closedir(dir);
    return found;
}

int FileSystem::readHiddenMark(const std::string& path, bool& hidden)
{
    const auto [folder, name] = splitFolder(localPath(path));
    struct stat st;
    const std::string full
        = folder.empty() ? name : (folder == "/" ? "/" + name : folder + "/" + name);
    if (::lstat(full.c_str(), &st) != 0) {
        return errno;
    }
    std::string content;
    readWholeFile(hiddenListPath(folder), content);
    hidden = false;
    for (auto line : hiddenLines(content)) {
        if (line == name) {
            hidden = true;
            break;
        }
    }
    return 0;
}

int FileSystem::writeHiddenMark(const std::string& path, bool hidden)
{
    bool current = false;
    if (const int error = readHiddenMark(path, current); error != 0) {
        return error;
    }
    if (current == hidden) {
        return 0;
    }
    const auto [folder, name] = splitFolder(localPath(path));
    if (name.find('\n') != std::string::npos) {
        // The list holds a name a line: written, this name would mark the file named by its
        // last line instead, and never itself.
        return EINVAL;
    }
    const std::string listPath = hiddenListPath(folder);
    std::string content;
    const int readError = readWholeFile(listPath, content);
    if (readError != 0 && readError != ENOENT) {
        return readError; // never replace a list we could not read
    }
    std::string updated;
    if (hidden) {
        updated = content;
        if (!updated.empty() && updated.back() != '\n') {
            updated += '\n';
        }
        updated += name + '\n';
    } else {
        // Drop every line naming the file; every other byte stays as it was.
        std::size_t start = 0;
        while (start < content.size()) {
            auto end = content.find('\n', start);
            const std::size_t next = end == std::string::npos ? content.size() : end + 1;
            std::string_view line(
                content.data() + start, (end == std::string::npos ? content.size() : end) - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            if (line != name) {
                updated.append(content, start, next - start);
            }
            start = next;
        }
    }
    return writeFileAtomically(listPath, updated);
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
    std::FILE* file = std::fopen(localPath(path).c_str(), "ab");
    if (file == nullptr) {
        return nullptr;
    }
    return std::make_unique<PosixTextAppender>(file);
}

} // namespace pikora
