#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace {

std::string executableFolder() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tessaro::cli::runCommandLine(args, executableFolder(), std::cout, std::cerr);
}
