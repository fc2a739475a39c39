#include "net/GameData.h"

GameData& GameData::instance() {
    static GameData* data = new GameData;
    return *data;
}

void GameData::reset() { *this = GameData(); }
