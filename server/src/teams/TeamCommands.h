// The game-server commands of teams, team matches and exams: 36 create, 37 join, 39 a team,
// 40 the team list (act 0) and ranking (act 1), 41 dismiss, 42 sign up, 43 cancel it, 44 quit,
// 45 kick out; 48, 46 and 47 the question ids, questions and answers of a team round (match type
// 2) or the exam (4); 49 the player's own latest results; 33 the contest rankings. It also fills
// the type 2 and 4 entries of the schedule (26) and takes over 27 act 4 for those two types.
// Guests are turned away from all of them.
//
// Register after the contests: 26 and 27 wrap the contests' handlers.
#pragma once

namespace server {
class CommandRegistry;
struct ServerConfig;
namespace exams {
class ExamService;
}
} // namespace server

namespace server::teams {

class TeamService;

class TeamCommands {
public:
    static void registerInto(CommandRegistry& game, TeamService& teams, exams::ExamService& exams,
                             const ServerConfig& config);
};

} // namespace server::teams
