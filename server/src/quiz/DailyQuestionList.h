// Which question ids a player gets for the day: every question not yet answered that day, in an
// order of its own for each player and day (so two friends do not see the same sequence), stable
// through the day so that asking again continues where the player left off.
//
// One exception to that order: the list opens with one question of each choice kind (see
// choiceKind) the player has not answered today, the first of that kind in the day's order, so
// every kind of choice screen turns up within the first questions of a run. Once each kind was
// answered the day's order runs plain.
#pragma once

#include <set>
#include <vector>

namespace server::quiz {

class DailyQuestionList {
public:
    static constexpr int kListLength = 30; // ids per answer; the client asks again when it runs dry

    static std::vector<int> build(const std::vector<int>& allIds, const std::set<int>& answeredToday,
                                  int playerId, int day, int limit = kListLength);

    // The choice screens a player should meet early, by the pair a qsid spells (game type x 100000
    // + play type x 1000 + n): 0 text choice (1: 7-11), 1 golden egg (1: 15), 2 yes or no (1: 1),
    // 3 find the different character (1: 4), 4 picture with text options (2: 7), 5 scratch card
    // (2: 13), 6 two pictures (2: 8), 7 four pictures (2: 9), 8 same picture (2: 12); -1 others.
    static constexpr int kChoiceKinds = 9;
    static int choiceKind(int qsid);

    // Days are counted as yyyymmdd in UTC.
    static int today();
};

} // namespace server::quiz
