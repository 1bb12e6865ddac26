#include "timing_log.h"

#include "input_error.h"

#include <cstdio>
#include <filesystem>

std::string format_label(const char* label_format, std::int32_t n) {
    char label[16];
    std::snprintf(label, sizeof label, label_format, n);
    return label;
}

std::string format_log_line(const std::string& label, std::int64_t elapsed_ms) {
    const long seconds = static_cast<long>(elapsed_ms / 1000);
    const long millis = static_cast<long>(elapsed_ms % 1000);
    char line[128];
    std::snprintf(line, sizeof line, "%-8s: %3ld sekundi %5ld milisekundi\n", label.c_str(), seconds, millis);
    return line;
}

TimingLog::TimingLog(std::string name) : name_(std::move(name)) {
    std::error_code ec;
    created_ = !std::filesystem::exists(name_, ec);
    file_ = std::fopen(name_.c_str(), "a");
    if (!file_) throw InputError("Greska: ne mogu da otvorim datoteku " + name_ + " za dopisivanje.");
}

TimingLog::~TimingLog() {
    if (!file_) return;
    std::fclose(file_);
    std::error_code ec;
    if (created_ && std::filesystem::file_size(name_, ec) == 0 && !ec) std::filesystem::remove(name_, ec);
}

void TimingLog::append_and_close(const std::string& line) {
    const bool written = std::fwrite(line.data(), 1, line.size(), file_) == line.size();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !closed) throw InputError("Greska: upis u datoteku " + name_ + " nije uspeo.");
}
