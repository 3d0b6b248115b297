#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/paths.h"
#include "shell/version.h"

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
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        tessaro::cli::usage(std::cout);
        std::cout << "See tessaro-cli(6) for the commands and their output.\n";
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "tessaro-cli " << tessaro::shell::kVersion << '\n';
        return 0;
    }
    const tessaro::ProgramPlaces places =
        tessaro::locateProgramPlaces(executableFolder(), TESSARO_INSTALLED_DATA, tessaro::userDataRoot());
    return tessaro::cli::runCommandLine(args, places.programFolder, std::cout, std::cerr, places.userRoot);
}
