// kalvora-cli: pricing and script mode on the configuration engine, without a window.
#include <iostream>

#include "cli/CliMain.h"
#include "engine/files/DiskFiles.h"
#ifdef KALVORA_PICTURES
#include "cli/RenderLauncher.h"
#endif

int main(int argc, char** argv) {
    // A file-size limit fails a write with a message instead of killing the program.
    kalvora::IgnoreFileSizeSignal();
    std::ios::sync_with_stdio(false);
#ifdef KALVORA_PICTURES
    kalvora::cli::SetPictureCommand(kalvora::cli::LaunchPictureProgram);
    kalvora::cli::SetOfferCommand(kalvora::cli::LaunchOfferProgram);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return kalvora::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}
