// Writes the state after every action of random sessions, one session per seed, so that two
// builds of the engine can be compared byte for byte: random-session-dump FIRST LAST > dumps.
#include <cstdlib>
#include <iostream>

#include "cli/StateDump.h"
#include "support/RandomSession.h"

int main(int argc, char** argv) {
    using namespace kalvora;
    if (argc != 3) {
        std::cerr << "usage: random-session-dump FIRST-SEED LAST-SEED\n";
        return 2;
    }
    const unsigned long first = std::strtoul(argv[1], nullptr, 10);
    const unsigned long last = std::strtoul(argv[2], nullptr, 10);
    for (unsigned long seed = first; seed <= last; ++seed) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        testing::RecordingUi ui;
        Configuration config(ui);
        testing::User user(config);
        testing::PlayRandomSession(random, ui, config, user, 60,
                                   [&](int step, const std::string& what, testing::SessionAction) {
                                       std::cout << "seed " << seed << " step " << step << ": "
                                                 << what << '\n';
                                       for (const auto& m : ui.messages)
                                           std::cout << "message " << m << '\n';
                                       ui.messages.clear();
                                       cli::WriteStateDump(config, std::cout);
                                       return true;
                                   });
    }
    return 0;
}
