// Random user sessions over the whole program, each compared step by step
// with the reference model. A failure prints its seed and the shortest
// sequence of actions found that still fails.
//
//   RESONIX_SESSIONS        how many sessions (default 1500)
//   RESONIX_SESSION_SEED    the first session's seed (default 1); session i uses seed + i
//   RESONIX_SESSION_STEPS   actions per session (default 60)

#include <gtest/gtest.h>

#include <algorithm>
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

// The shrinker against stand-in replays that, like the real one, play the
// closing Escapes after the list they are given. It must end, and with the
// shortest list that still fails.
TEST(RandomSessions, ShrinkingEndsWithTheShortestFailingList) {
    using session::Act;
    using session::Action;
    const auto has = [](const std::vector<Action>& actions, Act act) {
        return std::any_of(actions.begin(), actions.end(), [act](const Action& a) { return a.act == act; });
    };
    struct Row {
        const char* failure;
        std::function<bool(const std::vector<Action>&)> fails;
        std::vector<Act> shortest;
    };
    const std::vector<Row> rows = {
        {"every replay fails", [](const std::vector<Action>&) { return true; }, {}},
        {"Calculate after typing fails", [&](const std::vector<Action>& a) { return has(a, Act::Type) && has(a, Act::Calculate); },
         {Act::Type, Act::Calculate}},
    };
    std::vector<Action> played;
    for (int i = 0; i < 40; ++i) played.emplace_back(session::Place::Translation, i % 7 == 3 ? Act::Type : Act::Press);
    played.emplace_back(session::Place::Translation, Act::Calculate);
    for (const Row& row : rows) {
        int replays = 0;
        const session::Replay replay = [&](const std::vector<Action>& actions) {
            ++replays;
            session::Outcome outcome{actions, row.fails(actions) ? "fails" : ""};
            outcome.actions.emplace_back(session::Place::Main, Act::Press);
            outcome.actions.emplace_back(session::Place::Main, Act::Press);
            return outcome;
        };
        const std::vector<Action> shortest = session::shrink(played, replay);
        std::vector<Act> acts;
        for (const Action& action : shortest) acts.push_back(action.act);
        EXPECT_EQ(acts, row.shortest) << row.failure;
        EXPECT_LT(replays, 200) << row.failure;
    }
}

}  // namespace
