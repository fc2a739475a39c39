// Hands the "system" 28, 31 and 32 pushes of the heartbeat answer to the contest screen on stage.
// The heartbeat parser knows only scene ids; the screens come and go, so each registers its
// handler while it is on stage and clears it when it leaves. A push for a scene whose handler is
// not set is left to the heartbeat's general part.
#pragma once

#include <json/value.h>

#include <functional>

class ContestPushRouter {
public:
    // True when the push was recognised (the heartbeat answer's general part is then skipped).
    using Handler = std::function<bool(const Json::Value&)>;

    // Puts the router in ContestParsers::hooks().contestPush (once at start; again is harmless).
    static void install();

    // The one-to-one hall (23) and the challenge hall (28) share one slot: only one is on stage.
    static void setHallHandler(Handler handler);
    static void clearHallHandler();
    // The contest play scene (22). An empty handler clears it.
    static void setPlayHandler(Handler handler);
    static void clearPlayHandler();

    // The same, remembering who set the slot. During a scene change the next screen may enter
    // before the last one exits; clearing with an owner leaves a slot that another screen took.
    static void setHallHandler(const void* owner, Handler handler);
    static void clearHallHandler(const void* owner);
    static void setPlayHandler(const void* owner, Handler handler);
    static void clearPlayHandler(const void* owner);

    // What the hook does: forwards by scene id, false when nobody takes it.
    static bool dispatch(int sceneId, const Json::Value& push);
};
