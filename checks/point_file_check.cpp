#include "point_file_check.h"

#include "file_names.h"
#include "input_error.h"
#include "point_file.h"

#include <cmath>
#include <string_view>

std::string check_point_file_bytes(const std::uint8_t* data, std::size_t size) {
    static constexpr std::string_view kName = kPointFileName;
    PointFile file(std::string(kName), std::string(reinterpret_cast<const char*>(data), size));
    try {
        const PointFileHeader header = file.read_header(kCheckedPointCapacity);
        if (header.n < 0 || header.n > kCheckedPointCapacity) return "n accepted out of range: " + std::to_string(header.n);
        if (header.repetitions < 1) return "R accepted below 1: " + std::to_string(header.repetitions);
        // Point by point, as read_points does, without filling the scene.
        for (std::int32_t i = 0; i < header.n; ++i) {
            const Point p = file.read_point(i, header.n);
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "point " + std::to_string(i + 1) + " accepted not finite";
        }
    } catch (const InputError& error) {
        const std::string_view message = error.what();
        const std::string prefix = "Greska: " + std::string(kName) + ": ";
        if (message.substr(0, prefix.size()) != prefix || message.size() <= prefix.size() + 1 || message.back() != '.') {
            return "refusal does not name the file: " + std::string(message);
        }
        // The whole message reaches the terminal: nothing cuts it short or
        // steers the terminal.
        for (const char c : message) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return "refusal holds a control byte: " + std::string(message);
        }
    }
    return "";
}
