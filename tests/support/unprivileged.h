// Runs a file check under an ordinary user's rights, so that read-only folders and files bite
// even when the tests run as root.
#pragma once

#include <functional>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace dosarium::test {

// The check's result; nothing when it could not be run without rights.
inline std::optional<bool> asOrdinaryUser(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(2);
        _exit(check() ? 1 : 0);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 1;
}

} // namespace dosarium::test
