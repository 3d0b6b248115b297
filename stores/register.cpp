#include "stores/register.h"

#include <charconv>

namespace tessaro {

Register::Register() = default;

void Register::initialise(std::string_view programFolder) {
    for (auto& s : s_) s.assign(250, ' ');
    write(reg::ProgramFolder, programFolder);
    write(reg::SettingsFile, "DATA\\CFG.DAT");
}

void Register::release() {
    for (auto& s : s_) s.clear();
}

bool Register::locate(int pos, int& which, int& index) {
    if (pos < 1 || pos >= 1000) return false;
    if (pos < 250) {
        which = 0;
        index = pos;
    } else if (pos < 500) {
        which = 1;
        index = pos - 250;
    } else {
        which = 2;
        index = pos - 500;
    }
    return index >= 1;
}

void Register::write(int pos, int width, std::string_view value) {
    int which = 0, index = 0;
    if (!locate(pos, which, index) || width <= 0) return;
    std::size_t lead = value.find_first_not_of(' ');
    value = lead == std::string_view::npos ? std::string_view{} : value.substr(lead);
    std::string padded(value.substr(0, static_cast<std::size_t>(width)));
    padded.resize(static_cast<std::size_t>(width), ' ');
    std::string& s = s_[which];
    const std::size_t start = static_cast<std::size_t>(index - 1);
    if (s.size() < start) s.resize(start, ' ');
    const std::size_t end = start + static_cast<std::size_t>(width);
    std::string after = end < s.size() ? s.substr(end) : std::string{};
    s.resize(start);
    s += padded;
    s += after;
}

void Register::read(int pos, int width, std::string& out) const {
    int which = 0, index = 0;
    if (!locate(pos, which, index)) return;
    const std::string& s = s_[which];
    const std::size_t start = static_cast<std::size_t>(index - 1);
    if (width <= 0 || start >= s.size()) {
        out.clear();
        return;
    }
    out = s.substr(start, static_cast<std::size_t>(width));
    std::size_t last = out.find_last_not_of(' ');
    out.resize(last == std::string::npos ? 0 : last + 1);
}

std::string Register::read(int pos, int width) const {
    std::string out;
    read(pos, width, out);
    return out;
}

int Register::readInt(Field f, int fallback) const {
    const std::string text = read(f);
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc{} || ptr != last || first == last) return fallback;
    return value;
}

std::string Register::zeroPadded(long long value, int width) {
    // The magnitude as unsigned, so the most negative number does not overflow.
    const unsigned long long magnitude =
        value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    const std::size_t need = digits.size() + (value < 0 ? 1 : 0);
    if (width <= 0) return {};
    if (need > static_cast<std::size_t>(width)) return std::string(static_cast<std::size_t>(width), '*');
    std::string out(static_cast<std::size_t>(width) - need, '0');
    out += digits;
    if (value < 0) out.insert(out.begin(), '-');
    return out;
}

}  // namespace tessaro
