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

const void*& hallOwner() {
    static const void* owner = nullptr;
    return owner;
}

const void*& playOwner() {
    static const void* owner = nullptr;
    return owner;
}

} // namespace

void ContestPushRouter::install() {
    ContestParsers::hooks().contestPush = &ContestPushRouter::dispatch;
}

void ContestPushRouter::setHallHandler(Handler handler) { setHallHandler(nullptr, std::move(handler)); }
void ContestPushRouter::clearHallHandler() {
    hallSlot() = nullptr;
    hallOwner() = nullptr;
}
void ContestPushRouter::setPlayHandler(Handler handler) { setPlayHandler(nullptr, std::move(handler)); }
void ContestPushRouter::clearPlayHandler() {
    playSlot() = nullptr;
    playOwner() = nullptr;
}

void ContestPushRouter::setHallHandler(const void* owner, Handler handler) {
    hallSlot() = std::move(handler);
    hallOwner() = owner;
}

void ContestPushRouter::clearHallHandler(const void* owner) {
    if (hallOwner() == owner) clearHallHandler();
}

void ContestPushRouter::setPlayHandler(const void* owner, Handler handler) {
    playSlot() = std::move(handler);
    playOwner() = owner;
}

void ContestPushRouter::clearPlayHandler(const void* owner) {
    if (playOwner() == owner) clearPlayHandler();
}

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
