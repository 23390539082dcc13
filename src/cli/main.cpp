// kalvora-cli: pricing and script mode on the configuration engine, without a window.
#include <iostream>

#include "cli/CliMain.h"
#ifdef KALVORA_PICTURES
#include "cli/PictureLauncher.h"
#endif

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef KALVORA_PICTURES
    kalvora::cli::SetPictureCommand(kalvora::cli::LaunchPictureProgram);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return kalvora::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}
