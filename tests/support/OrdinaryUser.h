// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace pikora::testing {

// Runs `work` with the rights of an ordinary user, so that a file without read or write
// rights really is out of reach: as root in a child process that has become user nobody,
// otherwise here. `reachable`, when given, is first opened to every user (as root only), so
// that nobody reaches the test's folder. `groups` are nobody's supplementary groups in the
// child (none by default). Gives what `work` returns, or nothing when it could not run with
// an ordinary user's rights. The process must have no other threads: only the forking one
// goes on in the child.
std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& work,
    const std::filesystem::path& reachable = {}, const std::vector<gid_t>& groups = {});

} // namespace pikora::testing
