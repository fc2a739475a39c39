// The game-server commands of single-player play: 4 (today's question ids), 2 (one question),
// 3 (an answer and its verdict) and 0 (a media file).
#pragma once

#include "commands/Answer.h"
#include "commands/RequestContext.h"
#include "quiz/MediaLibrary.h"
#include "quiz/QuizStore.h"

#include <functional>

namespace server::quiz {

class QuizService {
public:
    using DayClock = std::function<int()>;

    QuizService(ServerServices& services, DayClock today);

    Answer questionIds(const Json::Value& request, RequestContext& context);
    Answer question(const Json::Value& request, RequestContext& context);
    Answer answer(const Json::Value& request, RequestContext& context);
    Answer media(const Json::Value& request, RequestContext& context);

    QuizStore& store() { return m_store; }

private:
    ServerServices& m_services;
    QuizStore m_store;
    MediaLibrary m_media;
    DayClock m_today;
};

} // namespace server::quiz
