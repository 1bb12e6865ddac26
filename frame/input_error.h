// A run that cannot go on because of what it was given (a file or a value).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// what() is the whole message for the user, in the programs' language.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes as a message may show them: printable ASCII as it is, every
// other byte (controls, NUL, and each byte of a multi-byte character or a
// byte-order mark) as \xNN, so that nothing cuts a message short, steers the
// terminal or is taken for another character. The bytes of `backslashed`
// get a backslash before them (for a quoting of the shell, say).
inline std::string printable(std::string_view bytes, std::string_view backslashed = {}) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f) {
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
        } else {
            if (backslashed.find(c) != std::string_view::npos) shown += '\\';
            shown += c;
        }
    }
    return shown;
}
