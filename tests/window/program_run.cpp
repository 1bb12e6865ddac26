#include "program_run.h"

#include <cstdlib>

namespace {

launch::Command program_command(const std::string& program, const std::filesystem::path& folder,
                                const std::string& display, const std::function<void()>& in_child,
                                const std::vector<std::string>& arguments) {
    // In the sanitizer build: Mesa's GL driver, loaded and unloaded at run
    // time, leaves its buffers allocated at exit, and LeakSanitizer would
    // blame the program for them. Only the programs started here run
    // without leak detection; every other check stays on.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string asan_options = (asan != nullptr && *asan != '\0' ? std::string(asan) + ":" : "") + "detect_leaks=0";
    launch::Command command;
    command.program = program;
    command.arguments = arguments;
    command.folder = folder;
    command.environment = {{"DISPLAY", display}, {"LIBGL_ALWAYS_SOFTWARE", "1"}, {"ASAN_OPTIONS", asan_options}};
    command.output = launch::Stream::file(folder / "stdout.txt");
    command.errors = launch::Stream::file(folder / "stderr.txt");
    command.in_child = in_child;
    return command;
}

}  // namespace

ProgramRun::ProgramRun(const std::string& program, const std::filesystem::path& folder, const std::string& display,
                       const std::function<void()>& in_child, const std::vector<std::string>& arguments)
    : launch::Process(program_command(program, folder, display, in_child, arguments)) {}
