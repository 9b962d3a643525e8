// Random user sessions over the whole program, each compared step by step
// with the reference model. A failure prints its seed and the shortest
// sequence of actions found that still fails.
//
//   RESONIX_SESSIONS        how many sessions (default 1500)
//   RESONIX_SESSION_SEED    the first session's seed (default 1); session i uses seed + i
//   RESONIX_SESSION_STEPS   actions per session (default 60)

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "session/random_session.h"

namespace {

long fromEnvironment(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(RandomSessions, FollowTheModel) {
    const long sessions = fromEnvironment("RESONIX_SESSIONS", 1500);
    const auto firstSeed = static_cast<std::uint32_t>(fromEnvironment("RESONIX_SESSION_SEED", 1));
    const int steps = static_cast<int>(fromEnvironment("RESONIX_SESSION_STEPS", 60));
    std::size_t actions = 0;
    for (long i = 0; i < sessions; ++i) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(i);
        const session::Outcome outcome = session::RandomSession::generate(seed, steps);
        actions += outcome.actions.size();
        if (!outcome.failure.empty()) {
            const std::vector<session::Action> shortest = session::shrink(outcome.actions);
            const session::Outcome again = session::RandomSession::replay(shortest);
            ADD_FAILURE() << "session with seed " << seed << " (RESONIX_SESSION_SEED=" << seed
                          << " RESONIX_SESSIONS=1): " << outcome.failure << "\nshortest failing sequence ("
                          << again.failure << "):\n"
                          << session::describe(shortest);
            return;
        }
    }
    std::printf("%ld sessions from seed %u, %zu actions, all as the model says\n", sessions, firstSeed, actions);
}

}  // namespace
