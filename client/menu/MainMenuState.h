// What the main menu keeps across its entries within one run: whether the first-entry chain
// (notice, events, guide, rewards) has run, and the rewards other screens left for it to announce.
#pragma once

#include <string>
#include <vector>

struct PendingReward {
    int amount = 0;
    std::string text; // empty: the menu composes "Received" + amount + "JinLuoBo"
};

class MainMenuState {
public:
    static MainMenuState& instance();

    // True once per run: the first call answers true, every later one false.
    bool takeFirstEntry();
    void addReward(int amount, const std::string& text) { m_rewards.push_back({amount, text}); }
    std::vector<PendingReward> takeRewards();
    const std::vector<PendingReward>& rewards() const { return m_rewards; }

    // As at process start (tests).
    void reset();

private:
    MainMenuState() = default;
    bool m_firstEntry = true;
    std::vector<PendingReward> m_rewards;
};
