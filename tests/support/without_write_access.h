#pragma once
// Takes away the right to write in one folder for the life of the object.
// Removing the write bits is not enough when the tests run as root (root
// writes anyway), so the process then also acts as the unprivileged user
// "nobody" until the object goes. Everything the code under test reads must
// therefore be readable by others (a temporary folder made by the tests is).
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace tessaro::test {

class WithoutWriteAccess {
public:
    explicit WithoutWriteAccess(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::permissions(folder_,
                                     std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
        if (::geteuid() == 0) switched_ = ::seteuid(kNobody) == 0;
    }
    ~WithoutWriteAccess() {
        if (switched_) static_cast<void>(::seteuid(0));
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    WithoutWriteAccess(const WithoutWriteAccess&) = delete;
    WithoutWriteAccess& operator=(const WithoutWriteAccess&) = delete;

    /// False when the folder is still writable for this process (root that
    /// could not drop its rights): the test cannot show anything then.
    bool effective() const { return ::geteuid() != 0; }

private:
    static constexpr uid_t kNobody = 65534;
    std::filesystem::path folder_;
    bool switched_ = false;
};

}  // namespace tessaro::test
