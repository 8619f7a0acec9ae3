// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "OrdinaryUser.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pikora::testing {

namespace {

constexpr uid_t nobody = 65534;

std::string readAll(int fd)
{
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    return result;
}

} // namespace

std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& work,
    const std::filesystem::path& reachable, const std::vector<gid_t>& groups)
{
    if (::geteuid() != 0) {
        return work();
    }
    if (!reachable.empty()) {
        std::filesystem::permissions(
            reachable, std::filesystem::perms::all, std::filesystem::perm_options::add);
    }
    int channel[2];
    if (::pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // Supplementary groups first: root's group would otherwise stay.
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(nobody) != 0
            || ::setuid(nobody) != 0) {
            ::_exit(2);
        }
        const std::string result = work();
        const ssize_t wrote = ::write(channel[1], result.data(), result.size());
        ::_exit(wrote == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    const std::string result = child > 0 ? readAll(channel[0]) : std::string();
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return result;
}

} // namespace pikora::testing
