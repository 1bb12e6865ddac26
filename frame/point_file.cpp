#include "point_file.h"

#include "input_error.h"
#include "scene.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

constexpr ColorCode kArrayColor = 9;
constexpr ColorCode kSceneBlue = 2;

// The separators between values: blank, tab, line feed, vertical tab, form
// feed and carriage return, looked up in a table (the tokenizer's hot path).
constexpr auto kSpaceTable = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = true;
    return table;
}();

bool is_space(char c) {
    return kSpaceTable[static_cast<unsigned char>(c)];
}

// Drops one leading '+', which the numeric parsers below do not take.
std::string_view without_plus(std::string_view token) {
    if (token.size() > 1 && token.front() == '+' && token[1] != '-' && token[1] != '+') token.remove_prefix(1);
    return token;
}

// A plain decimal integer of at most seven digits (all that the generator
// writes) is an exact float: it is read directly, the same value that the
// general conversion would give, only faster.
bool read_small_integer(std::string_view token, float& value) {
    const bool negative = !token.empty() && token.front() == '-';
    if (negative) token.remove_prefix(1);
    if (token.empty() || token.size() > 7) return false;
    std::int32_t magnitude = 0;
    for (const char c : token) {
        const unsigned digit = static_cast<unsigned char>(c) - static_cast<unsigned>('0');
        if (digit > 9) return false;
        magnitude = magnitude * 10 + static_cast<std::int32_t>(digit);
    }
    value = negative ? -static_cast<float>(magnitude) : static_cast<float>(magnitude);
    return true;
}

std::string quoted(std::string_view token) {
    constexpr std::size_t kShown = 40;
    // Control bytes are shown as \xNN: a NUL would cut the message short
    // and others would reach the terminal as they are.
    std::string shown;
    for (const char c : token.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            constexpr char kHex[] = "0123456789abcdef";
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
        } else {
            shown += c;
        }
    }
    if (token.size() > kShown) shown += "...";
    return "'" + shown + "'";
}

}  // namespace

PointFile::PointFile(std::string name) : name_(std::move(name)) {
    file_ = std::fopen(name_.c_str(), "r");
    if (!file_) throw InputError("Greska: ne mogu da otvorim datoteku " + name_ + " za citanje.");
}

PointFile::PointFile(std::string name, std::string text) : name_(std::move(name)), text_(std::move(text)) {}

PointFile::~PointFile() { close(); }

void PointFile::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void PointFile::fail(const std::string& problem) const {
    throw InputError("Greska: " + name_ + ": " + problem + ".");
}

PointFileHeader PointFile::read_header(std::int32_t point_capacity) {
    if (file_) {
        char buffer[1 << 16];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) text_.append(buffer, got);
        if (std::ferror(file_)) fail("citanje datoteke nije uspelo");
    }

    PointFileHeader header{};
    header.n = read_integer("broj tacaka n");
    header.repetitions = read_integer("broj ponavljanja R");
    if (header.n < 0 || header.n > point_capacity) {
        fail("broj tacaka n = " + std::to_string(header.n) + " je van dozvoljenog opsega 0.." +
             std::to_string(point_capacity));
    }
    if (header.repetitions < 1) {
        fail("broj ponavljanja R = " + std::to_string(header.repetitions) + " mora biti najmanje 1");
    }
    return header;
}

bool PointFile::next_token(std::string_view& token) {
    while (pos_ < text_.size() && is_space(text_[pos_])) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_space(text_[pos_])) ++pos_;
    token = std::string_view(text_).substr(start, pos_ - start);
    return !token.empty();
}

std::int32_t PointFile::read_integer(const char* what) {
    std::string_view token;
    if (!next_token(token)) fail(std::string("nedostaje ") + what + " (kraj datoteke)");
    const std::string_view digits = without_plus(token);
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) fail(std::string(what) + ": " + quoted(token) + " je van opsega celih brojeva");
    if (ec != std::errc() || end != digits.data() + digits.size()) fail(std::string(what) + ": " + quoted(token) + " nije ceo broj");
    return value;
}

float PointFile::read_coordinate(const char* axis, std::int32_t index, std::int32_t n) {
    // The value's name for a message; built only when there is one to give.
    const auto what = [&] {
        return std::string("koordinata ") + axis + " tacke " + std::to_string(index + 1) + " od " + std::to_string(n);
    };
    std::string_view token;
    if (!next_token(token)) fail("nedostaje " + what() + " (kraj datoteke)");
    const std::string_view number = without_plus(token);
    float value = 0.0f;
    if (read_small_integer(number, value)) return value;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size() || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        fail(what() + ": " + quoted(token) + " nije broj");
    }
    if (ec == std::errc::result_out_of_range) {
        // Too large for a float, or so small that it rounds to zero or to a
        // subnormal: let the C library round it as the scan would.
        value = std::strtof(std::string(number).c_str(), nullptr);
    }
    if (!std::isfinite(value)) fail(what() + ": " + quoted(token) + " nije konacan broj u opsegu jednostruke preciznosti");
    return value;
}

Point PointFile::read_point(std::int32_t index, std::int32_t n) {
    Point p;
    p.x = read_coordinate("x", index, n);
    p.y = read_coordinate("y", index, n);
    return p;
}

void read_points(PointFile& file, Point* points, std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        Point p = file.read_point(i, n);
        p.color = kArrayColor;
        points[i] = p;
        add_point(p, kSceneBlue);
    }
}
