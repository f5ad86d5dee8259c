#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

// Runs the function with the file access of user and group nobody when the tests run as the
// superuser, who may read and write anything, so that permission cases check the same thing
// under every user. Only file access changes, and only for the calling thread.
template <typename Function>
auto WithFileAccessOfNobody(Function&& function)
{
    const bool isSuperuser = ::geteuid() == 0;
    if (isSuperuser) {
        ::setfsgid(65534);
        ::setfsuid(65534);
    }
    const auto result = function();
    if (isSuperuser) {
        ::setfsuid(0);
        ::setfsgid(0);
    }
    return result;
}
