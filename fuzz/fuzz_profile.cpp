// Fuzz target: initialisation (profile) files. The input gives a section, a
// key, a value and the file's text. The file is read, the entry written, and
// read back: a write that reports success must give back the value (blanks
// around it and one pair of matching quotes removed, as every read does),
// must leave another entry of the file as it read before, and writing the
// same entry again must not change the file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/profile.h"
#include "platform/text_file.h"

using namespace tessaro;

namespace {

std::string_view trimmed(std::string_view v) {
    const auto a = v.find_first_not_of(" \t");
    return a == std::string_view::npos ? std::string_view{} : v.substr(a, v.find_last_not_of(" \t") - a + 1);
}

// What a read gives back for a value written as it is.
std::string asRead(std::string_view v) {
    v = trimmed(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return std::string(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(24);
    const std::string key = in.ConsumeRandomLengthString(24);
    const std::string value = in.ConsumeRandomLengthString(40);
    const std::string otherSection = in.ConsumeRandomLengthString(24);
    const std::string otherKey = in.ConsumeRandomLengthString(24);
    const std::string text = in.ConsumeRemainingBytesAsString();
    const std::string path =
        fuzz::writeFile("CFG.DAT", reinterpret_cast<const uint8_t*>(text.data()), text.size());
    const Profile profile(path);

    const std::string fallback = "\x01none";
    const std::string otherBefore = profile.readString(otherSection, otherKey, fallback);
    int number = 0;
    (void)profile.readInt(section, key, 0);
    (void)Profile::parseInt(value, number);

    if (!profile.writeString(section, key, value)) {
        std::string now;
        if (!readTextFile(path, now) || now != text) std::abort();  // a refused write changed the file
        return 0;
    }
    if (profile.readString(section, key, fallback) != asRead(value)) std::abort();
    const bool same = equalsIgnoreCase(trimmed(otherSection), trimmed(section)) &&
                      equalsIgnoreCase(trimmed(otherKey), trimmed(key));
    if (!same && profile.readString(otherSection, otherKey, fallback) != otherBefore) std::abort();

    std::string once, twice;
    if (!readTextFile(path, once)) std::abort();
    if (!profile.writeString(section, key, value) || !readTextFile(path, twice) || once != twice) std::abort();
    return 0;
}
