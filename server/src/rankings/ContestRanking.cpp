#include "rankings/ContestRanking.h"

#include "commands/RequestContext.h"
#include "contests/ContestMessages.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"

#include <vector>

namespace server::rankings {

namespace {

constexpr std::size_t kListed = 50;

} // namespace

Json::Value ContestRanking::ofContests(ServerServices& services, int playerId, int matchType) {
    struct Row {
        int player = 0, wins = 0, played = 0, points = 0;
    };
    std::vector<Row> rows;
    {
        auto q = services.storage.query(
            "SELECT player, SUM(won), COUNT(*), SUM(points) FROM ("
            " SELECT player1 AS player, CASE WHEN win1 = 1 THEN 1 ELSE 0 END AS won, points1 AS points"
            " FROM contests WHERE paid = 1 AND matchtype = ?1"
            " UNION ALL"
            " SELECT player2, CASE WHEN win2 = 1 THEN 1 ELSE 0 END, points2 FROM contests WHERE paid = 1 AND "
            "matchtype = ?1"
            ") AS sides GROUP BY player ORDER BY SUM(won) DESC, SUM(points) DESC, player");
        q->bind(1, matchType);
        while (q->step()) {
            rows.push_back({static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1)),
                            static_cast<int>(q->columnInt(2)), static_cast<int>(q->columnInt(3))});
        }
    }
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["rank"] = 0;
    answer["wixcount"] = 0;
    answer["wixtotal"] = 0;
    answer["userscore"] = 0;
    answer["usetime"] = 0;
    answer["ranklist"] = Json::Value(Json::arrayValue);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (r.player == playerId) {
            answer["rank"] = static_cast<int>(i + 1);
            answer["wixcount"] = r.wins;
            answer["wixtotal"] = r.played;
            answer["userscore"] = r.points;
        }
        if (i < kListed) {
            const auto player = services.players.find(r.player);
            Json::Value e(Json::objectValue);
            e["rank"] = static_cast<int>(i + 1);
            e["name"] = player ? contests::ContestMessages::nameOf(*player) : std::to_string(r.player);
            e["wixcount"] = r.wins;
            e["wixtotal"] = r.played;
            e["userscore"] = r.points;
            e["usetime"] = 0;
            answer["ranklist"].append(std::move(e));
        }
    }
    return answer;
}

} // namespace server::rankings
