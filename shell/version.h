#pragma once
// The program's version as its windows show it.
namespace tessaro::shell {
inline constexpr const char* kVersion = "0.1";
}  // namespace tessaro::shell
