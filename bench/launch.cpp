// chromanick_bench_launch PROGRAM [ARGUMENTS...]
// Runs PROGRAM once as a child process and prints "<wall seconds> <peak
// resident KiB> <exit status>". This launcher stays small on purpose: Linux
// counts a parent's resident memory at fork/exec time in the child's peak,
// so the child must not be started straight from a large process.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

extern char** environ;

namespace {

// A program that hangs (a dialog waiting for an answer) is ended after this
// long, and its run reported as failed.
constexpr unsigned kTimeoutSeconds = 60;
volatile pid_t child = 0;

void endChild(int) {
    if (child > 0) kill(child, SIGKILL);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage : %s PROGRAMME [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    child = pid;
    signal(SIGALRM, endChild);
    alarm(kTimeoutSeconds);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        return 2;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::printf("%.6f %ld %d\n", wall.count(), usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return 0;
}
