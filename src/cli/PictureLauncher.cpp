#include "cli/PictureLauncher.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "cli/CommandLine.h"
#include "pricing/FileErrors.h"

#ifndef KALVORA_LIBEXEC_PICTURE
#define KALVORA_LIBEXEC_PICTURE "../libexec/kalvora/kalvora-picture"
#endif

namespace kalvora::cli {

int LaunchPictureProgram(const std::vector<std::string>& arguments, std::istream&,
                         std::ostream& out, std::ostream& err) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    const fs::path folder = self.parent_path();
    // Beside kalvora-cli in a build tree; in the library folder of the installation otherwise.
    fs::path program = folder / "kalvora-picture";
    if (!fs::exists(program, error)) program = folder / KALVORA_LIBEXEC_PICTURE;

    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    out.flush();
    err.flush();
    ::execv(argv[0], argv.data());
    ReportError(err, "picture",
                "не удалось запустить программу рисования «" + program.lexically_normal().string() +
                    "»: " + SystemReason(errno));
    return 1;
}

}  // namespace kalvora::cli
