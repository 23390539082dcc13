// Random credit sessions, for comparing two builds byte for byte (compare-credit-sessions.sh)
// and for playing many sessions for crashes (ctest credit_random_sessions):
//
//   random-credit-sessions script SEED      the scenario of one session
//   random-credit-sessions credit SEED      the words after `kalvora-cli credit`, one a line
//   random-credit-sessions play FIRST LAST  plays both for every seed; status 1 when a scenario
//                                           does not run to its end or `credit` fails otherwise
//                                           than by refusing its arguments
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/CreditCommand.h"
#include "cli/ScriptSession.h"
#include "credit/RandomCreditSession.h"
#include "engine/code/DiskFileAccess.h"

namespace {

int Usage() {
    std::cerr << "usage: random-credit-sessions script SEED | credit SEED | play FIRST LAST\n";
    return 2;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kalvora;
    if (argc < 3) return Usage();
    const std::string mode = argv[1];
    const unsigned first = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    if (mode == "script" && argc == 3) {
        std::cout << Joined(testing::CreditSessionMaker(first).Script());
        return 0;
    }
    if (mode == "credit" && argc == 3) {
        std::cout << Joined(testing::CreditSessionMaker(first).CreditArguments());
        return 0;
    }
    if (mode != "play" || argc != 4) return Usage();
    const unsigned last = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10));
    int failures = 0;
    for (unsigned seed = first; seed <= last; ++seed) {
        std::istringstream scenario(Joined(testing::CreditSessionMaker(seed).Script()));
        std::ostringstream out;
        std::ostringstream err;
        DiskFileAccess files;
        const int status = cli::RunScript(scenario, out, err, files);
        if (status != 0) {
            std::cerr << "seed " << seed << ": scenario ended with " << status << ": " << err.str();
            ++failures;
        }
        std::ostringstream creditOut;
        std::ostringstream creditErr;
        const int creditStatus = RunCreditCommand(
            testing::CreditSessionMaker(seed).CreditArguments(), creditOut, creditErr);
        // 1: the argument named no readable configuration; 2: a number out of its range.
        if (creditStatus < 0 || creditStatus > 2) {
            std::cerr << "seed " << seed << ": credit ended with " << creditStatus << '\n';
            ++failures;
        }
    }
    std::cout << (last - first + 1) << " sessions, " << failures << " failed\n";
    return failures == 0 ? 0 : 1;
}
