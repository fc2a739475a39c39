#include "menu/MainMenuState.h"

MainMenuState& MainMenuState::instance() {
    static MainMenuState* state = new MainMenuState;
    return *state;
}

bool MainMenuState::takeFirstEntry() {
    const bool first = m_firstEntry;
    m_firstEntry = false;
    return first;
}

std::vector<PendingReward> MainMenuState::takeRewards() {
    std::vector<PendingReward> taken;
    taken.swap(m_rewards);
    return taken;
}

void MainMenuState::reset() {
    m_firstEntry = true;
    m_rewards.clear();
}
