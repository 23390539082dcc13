// kalvora-render: the commands of kalvora-cli that draw with Qt, picture and offer, in a program
// of their own. kalvora-cli runs "kalvora-render picture ..." for "kalvora-cli picture ..." (and
// likewise offer); the words after the command are the same.
#include <algorithm>
#include <iostream>
#include <string_view>

#include "cli/CommandLine.h"
#include "cli/OfferCommand.h"
#include "cli/PictureCommand.h"
#include "engine/files/DiskFiles.h"

int main(int argc, char** argv) {
    // A file-size limit fails a write with a message instead of killing the program.
    kalvora::IgnoreFileSizeSignal();
    std::ios::sync_with_stdio(false);
    const std::string_view command = argc > 1 ? argv[1] : "";
    const std::vector<std::string> arguments(argv + std::min(argc, 2), argv + argc);
    if (command == "picture") {
        return kalvora::cli::RunPictureCommand(arguments, std::cin, std::cout, std::cerr);
    }
    if (command == "offer") {
        return kalvora::cli::RunOfferCommand(arguments, std::cin, std::cout, std::cerr);
    }
    return kalvora::cli::UsageError(std::cerr, "",
                                    "kalvora-render: нужна команда picture или offer");
}
