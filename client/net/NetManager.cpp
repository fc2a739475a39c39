#include "net/NetManager.h"

#include "app/ClientLog.h"
#include "app/Platform.h"
#include "app/SceneDirector.h"
#include "net/CNetLayer.h"
#include "net/JsonRead.h"
#include "net/MsgResponse.h"
#include "net/NetNotices.h"
#include "net/UserSession.h"

USING_NS_CC;

namespace {

constexpr int kHeartbeatRequestType = 35;
constexpr int kUserInfoScene = 13;

} // namespace

NetManager& NetManager::instance() {
    static NetManager* manager = new NetManager;
    return *manager;
}

NetManager::NetManager() : m_worker(std::make_unique<CReceivedThread>(m_queues)) { m_worker->start(); }

void NetManager::installFrameHook() {
    CCDirector::sharedDirector()->setFrameHook([](float) { NetManager::instance().poll(); });
}

void NetManager::resetForTesting() {
    m_busyCount = 0;
    m_heartbeatCounter = 0;
    m_heartbeatInterval = 20.0f;
}

void NetManager::send(int serverIndex, int requestType, const char* body, int length, CCObject* target,
                      SEL_NetHandler onResponse, SEL_NetHandler onStatus, Busy busy, Dim dim,
                      const std::string& mediaName) {
    CCNode* scene = SceneDirector::instance().currentScene();
    if (!Platform::current().isNetworkAlive()) {
        ClientLog::write("no network: request type %d dropped", requestType);
        if (scene != nullptr && scene->getChildByTag(kNetworkBoxTag) == nullptr) {
            NetNotices::addNetworkBox(scene, "haveNoNet", kNetworkBoxTag);
        }
        return;
    }
    if (busy == Busy::Yes) {
        m_busyCount += 1;
        if (scene != nullptr && !CNetLayer::overlayOnStage() && scene->getChildByTag(kBusyOverlayTag) == nullptr) {
            if (CNetLayer* overlay = CNetLayer::create(dim == Dim::Yes)) {
                scene->addChild(overlay, kBusyOverlayZ, kBusyOverlayTag);
            }
        }
    }
    auto packet = std::make_unique<CSendPacket>();
    const ServerEndpoint& endpoint = serverIndex == kEntryServer ? m_entry : m_game;
    packet->setEndpoint(endpoint.host, endpoint.port);
    packet->setData(body, length, requestType);
    packet->setServerIndex(serverIndex);
    packet->setTarget(target);
    packet->setOnResponse(onResponse);
    packet->setOnStatus(onStatus);
    packet->setBusy(busy == Busy::Yes);
    if (requestType == kMediaRequestType) {
        packet->setMediaName(mediaName);
    }
    if (target != nullptr) {
        target->retain();
        m_pendingTargets[target] += 1;
    }
    packet->pack();
    m_queues.pushRequest(std::move(packet));
}

void NetManager::sendJson(int serverIndex, int requestType, Json::Value value, CCObject* target,
                          SEL_NetHandler onResponse, SEL_NetHandler onStatus, Busy busy, Dim dim) {
    UserSession& session = UserSession::instance();
    if (serverIndex != kGameServer || session.sessionId().empty()) {
        return;
    }
    if (!value.isObject()) {
        ClientLog::write("request type %d is not a JSON object; not sent", requestType);
        return;
    }
    value["mac"] = session.deviceText();
    value["sessionid"] = session.sessionId();
    value["id"] = session.userId();
    std::string mediaName;
    if (requestType == kMediaRequestType) {
        mediaName = JsonRead::textOf(value, "media");
    }
    const std::string text = JsonRead::compact(value);
    send(serverIndex, requestType, text.data(), static_cast<int>(text.size()), target, onResponse, onStatus, busy,
         dim, mediaName);
}

void NetManager::sendHeartbeat(bool busy) {
    if (UserSession::instance().sessionId().empty()) {
        return;
    }
    Json::Value body(Json::objectValue);
    body["system"] = 10;
    sendJson(kGameServer, kHeartbeatRequestType, body, nullptr, nullptr, nullptr, busy ? Busy::Yes : Busy::No,
             Dim::Yes);
}

void NetManager::poll() {
    // Only the answers already waiting when the frame's pass began: a handler that sends again
    // (a re-login answered by a local server within the millisecond) would otherwise keep this
    // loop, and so the frame, going for ever. Later answers wait for the next frame.
    int budget = m_queues.answersWaiting();
    while (true) {
        m_heartbeatCounter += 1;
        if (m_heartbeatInterval * 60 <= static_cast<float>(m_heartbeatCounter)) {
            m_heartbeatCounter = 0;
            sendHeartbeat(false);
        }
        if (budget-- <= 0) {
            return;
        }
        std::unique_ptr<CReceviePacket> packet = m_queues.takeAnswer();
        if (!packet) {
            return;
        }
        handleAnswer(std::move(packet));
    }
}

bool NetManager::targetIsGone(CCObject* target) const {
    // A node that only our pending requests still hold has been left by its screen. A node taken
    // out of the tree in this frame may still sit in the autorelease pool, so the count alone can
    // miss it: one with no parent that is not running has been left too.
    auto* node = dynamic_cast<CCNode*>(target);
    if (node == nullptr) {
        return false;
    }
    if (node->getParent() == nullptr && !node->isRunning()) {
        return true;
    }
    auto found = m_pendingTargets.find(target);
    const int ours = found == m_pendingTargets.end() ? 0 : found->second;
    return static_cast<int>(target->retainCount()) <= ours;
}

void NetManager::releaseTarget(CCObject* target) {
    if (target == nullptr) {
        return;
    }
    auto found = m_pendingTargets.find(target);
    if (found != m_pendingTargets.end() && --found->second <= 0) {
        m_pendingTargets.erase(found);
    }
    target->release();
}

void NetManager::handleAnswer(std::unique_ptr<CReceviePacket> packet) {
    SceneDirector& director = SceneDirector::instance();
    CCNode* scene = director.currentScene();
    if (scene != nullptr) {
        scene->retain(); // a handler may switch scenes; the boxes still go to this one
    }
    CCObject* target = packet->target();
    const bool gone = target != nullptr && targetIsGone(target);
    if (gone) {
        ClientLog::write("answer of request type %d for a screen that has gone; its handlers are skipped",
                         packet->requestType());
    }
    const bool statusHandler = target != nullptr && packet->onStatus() != nullptr && !gone;
    const int status = packet->status();
    switch (status) {
    case kStatusNoConnection:
        if (statusHandler) {
            // The box is made before the handler runs and added after it.
            CCNode* box = NetNotices::makeNetworkBox("netFail");
            if (box) box->retain();
            (target->*packet->onStatus())(status);
            if (box && scene && scene->getChildByTag(kNetworkBoxTag) == nullptr) {
                scene->addChild(box, kNetworkBoxZ, kNetworkBoxTag);
            }
            if (box) box->release();
        }
        break;
    case kStatusTimeOut:
        if (statusHandler) {
            (target->*packet->onStatus())(status);
            if (scene && scene->getChildByTag(kNetworkBoxTag) == nullptr) {
                NetNotices::addNetworkBox(scene, "netFail", kNetworkBoxTag);
            }
        }
        break;
    case kStatusEmpty:
        if (statusHandler) {
            (target->*packet->onStatus())(status);
            if (scene) {
                NetNotices::addNetworkBox(scene, "netFail", kCCNodeTagInvalid);
            }
        }
        break;
    case kStatusComplete:
        if (!packet->unpack(packet->requestType())) {
            ClientLog::write("answer of request type %d could not be decoded", packet->requestType());
        } else if (packet->requestType() != -1) {
            int code = -1;
            const bool parsed =
                MsgResponse::instance().OnResPonse(packet->decodedText(), packet->requestType(), &code);
            if (parsed && target && packet->onResponse() && !gone) {
                (target->*packet->onResponse())(code);
            }
        }
        break;
    default:
        ClientLog::write("answer of request type %d without status", packet->requestType());
        break;
    }
    if (packet->busy()) {
        m_busyCount -= 1;
        if (m_busyCount <= 0) {
            m_busyCount = 0;
            if (scene && scene->getChildByTag(kBusyOverlayTag)) {
                scene->removeChildByTag(kBusyOverlayTag);
            }
        }
    }
    if (director.currentSceneId() == kUserInfoScene && scene && scene->getChildByTag(kUserSceneCoverTag)) {
        scene->removeChildByTag(kUserSceneCoverTag);
    }
    releaseTarget(target);
    if (scene) {
        scene->release();
    }
}
