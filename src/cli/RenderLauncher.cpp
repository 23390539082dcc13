#include "cli/RenderLauncher.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "cli/CommandLine.h"
#include "engine/files/FileErrors.h"

#ifndef KALVORA_LIBEXEC_RENDER
#define KALVORA_LIBEXEC_RENDER "../libexec/kalvora/kalvora-render"
#endif

namespace kalvora::cli {

namespace {

int Launch(const char* command, const std::vector<std::string>& arguments, std::ostream& out,
           std::ostream& err) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    const fs::path folder = self.parent_path();
    // Beside kalvora-cli in a build tree; in the library folder of the installation otherwise.
    fs::path program = folder / "kalvora-render";
    if (!fs::exists(program, error)) program = folder / KALVORA_LIBEXEC_RENDER;

    std::vector<std::string> words{program.string(), command};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    out.flush();
    err.flush();
    ::execv(argv[0], argv.data());
    ReportError(err, command,
                "не удалось запустить программу рисования «" + program.lexically_normal().string() +
                    "»: " + SystemReason(errno));
    return 1;
}

}  // namespace

int LaunchPictureProgram(const std::vector<std::string>& arguments, std::istream&,
                         std::ostream& out, std::ostream& err) {
    return Launch("picture", arguments, out, err);
}

int LaunchOfferProgram(const std::vector<std::string>& arguments, std::istream&, std::ostream& out,
                       std::ostream& err) {
    return Launch("offer", arguments, out, err);
}

}  // namespace kalvora::cli
