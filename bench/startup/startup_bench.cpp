// Start-up to the first painted window: the game (its splash) against a bare
// Qt window. Each iteration starts the program and waits for it to end,
// which both do right after their first window has painted. The platform is
// the caller's QT_QPA_PLATFORM (offscreen when unset, so no display is needed).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> env;
    bool platformSet = false;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) == 0) platformSet = true;
        env.push_back(entry);
    }
    if (!platformSet) env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("DEEDWELL_EXIT_AFTER_FIRST_WINDOW=1");
    return env;
}

// Runs `program` once; false when it could not start or did not end well.
bool RunOnce(const char* program, const std::vector<std::string>& env) {
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    // The programs' notes on stderr would drown the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void StartUp(benchmark::State& state, const char* program) {
    const auto env = ChildEnvironment();
    for (auto _ : state) {
        if (!RunOnce(program, env)) {
            state.SkipWithError("the program did not start or end cleanly");
            break;
        }
    }
}

void BM_BareQtWindow(benchmark::State& state) {
    StartUp(state, BARE_WINDOW_PROGRAM);
}
void BM_DeedwellFirstWindow(benchmark::State& state) {
    StartUp(state, DEEDWELL_PROGRAM);
}

BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_DeedwellFirstWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
