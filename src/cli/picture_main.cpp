// kalvora-picture: the picture command of kalvora-cli, a program of its own because it draws
// with Qt. kalvora-cli runs it for "kalvora-cli picture ..."; it takes the same words.
#include <iostream>

#include "cli/PictureCommand.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return kalvora::cli::RunPictureCommand(arguments, std::cin, std::cout, std::cerr);
}
