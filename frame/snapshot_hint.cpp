#include "snapshot_hint.h"

#include "file_names.h"
#include "input_error.h"

#include <filesystem>
#include <string_view>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool is_script(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

bool plain_byte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("/._+,:@%=-").find(c) != std::string_view::npos;
}

}  // namespace

std::string shell_word(const std::string& text) {
    bool plain = !text.empty() && text.front() != '-';
    for (const char c : text) plain = plain && plain_byte(c);
    if (plain) return text;
    return "$'" + printable(text, "\\'") + "'";
}

std::string snapshot_script() {
    // The program's own file, with every link resolved, so that its folder's
    // parent is the installation's prefix.
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed = (program.parent_path() / HULL_SNAPSHOT_FROM_BIN).lexically_normal();
        if (is_script(installed)) return shell_word(installed.string());
    }
    if (is_script(HULL_SNAPSHOT_IN_SOURCE)) return shell_word(HULL_SNAPSHOT_IN_SOURCE);
    return "scripts/snapshot";
}

std::string no_window_message(const std::string& why) {
    return "Greska: prozor ne moze da se otvori: " + why + ".\nRed sa merenjem je upisan u datoteku " +
           std::string(kTimingLogName) + ".\nSliku prozora bez ekrana daje " + snapshot_script() +
           " PROGRAM SLIKA.png.\n";
}
