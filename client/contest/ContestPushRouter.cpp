#include "contest/ContestPushRouter.h"

#include "net/ContestParsers.h"

namespace {

constexpr int kPlayScene = 22;
constexpr int kDoublesScene = 23;
constexpr int kChallengeScene = 28;

ContestPushRouter::Handler& hallSlot() {
    static ContestPushRouter::Handler slot;
    return slot;
}

ContestPushRouter::Handler& playSlot() {
    static ContestPushRouter::Handler slot;
    return slot;
}

} // namespace

void ContestPushRouter::install() {
    ContestParsers::hooks().contestPush = &ContestPushRouter::dispatch;
}

void ContestPushRouter::setHallHandler(Handler handler) { hallSlot() = std::move(handler); }
void ContestPushRouter::clearHallHandler() { hallSlot() = nullptr; }
void ContestPushRouter::setPlayHandler(Handler handler) { playSlot() = std::move(handler); }
void ContestPushRouter::clearPlayHandler() { playSlot() = nullptr; }

bool ContestPushRouter::dispatch(int sceneId, const Json::Value& push) {
    // Copy first: a handler may switch scene and clear its own slot while it runs.
    Handler handler;
    if (sceneId == kPlayScene) {
        handler = playSlot();
    } else if (sceneId == kDoublesScene || sceneId == kChallengeScene) {
        handler = hallSlot();
    }
    return handler ? handler(push) : false;
}
