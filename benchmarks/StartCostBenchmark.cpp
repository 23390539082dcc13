// The processor time a command costs from exec to exit, against /bin/true: both are run in
// turn, N pairs, each child's user and system time taken from wait4. The difference of the
// medians is what the command adds to a bare process start.
//
//   kalvora_start_cost_benchmark [PAIRS] -- COMMAND [ARG...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Processor time of one run in microseconds, output thrown away; -1 when it could not run.
double RunOnce(const std::vector<char*>& argv) {
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) < 0) return -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) return -1;
    return usage.ru_utime.tv_sec * 1e6 + usage.ru_utime.tv_usec + usage.ru_stime.tv_sec * 1e6 +
           usage.ru_stime.tv_usec;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int pairs = 200;
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--") != 0) pairs = std::atoi(argv[first++]);
    if (first < argc && std::strcmp(argv[first], "--") == 0) ++first;
    if (first >= argc || pairs < 1) {
        std::fprintf(stderr, "usage: %s [PAIRS] -- COMMAND [ARG...]\n", argv[0]);
        return 2;
    }
    std::vector<char*> command(argv + first, argv + argc);
    command.push_back(nullptr);
    static char truePath[] = "/bin/true";
    const std::vector<char*> bare{truePath, nullptr};

    std::vector<double> commandTimes, trueTimes, differences;
    for (int i = 0; i < pairs; ++i) {
        const double t = RunOnce(bare);
        const double c = RunOnce(command);
        if (t < 0 || c < 0) {
            std::fprintf(stderr, "%s did not run\n", c < 0 ? command[0] : "/bin/true");
            return 1;
        }
        trueTimes.push_back(t);
        commandTimes.push_back(c);
        differences.push_back(c - t);
    }
    std::printf("pairs: %d\n", pairs);
    std::printf("/bin/true, median processor time: %.0f us\n", Median(trueTimes));
    std::printf("%s, median processor time: %.0f us\n", command[0], Median(commandTimes));
    std::printf("difference in a pair, median: %.0f us\n", Median(differences));
    return 0;
}
