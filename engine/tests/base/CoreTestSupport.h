// Shared pieces of the engine core tests: a clean director per test and nodes that log what
// happens to them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cocos2d.h"

namespace coretest {

// Every test starts and ends with a stopped director on the manual clock and the null renderer.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { engine::testing::resetEngine(); }
    void TearDown() override { engine::testing::resetEngine(); }
};

using Log = std::vector<std::string>;

// A node that logs its lifecycle callbacks and draws as "<name>".
// Enter callbacks are logged before the base runs, exit-transition after (children first), so the
// log shows the order the base implementations impose.
class LoggingNode : public cocos2d::CCNode {
public:
    static LoggingNode* create(const std::string& name, Log* log)
    {
        auto* node = new LoggingNode();
        node->m_name = name;
        node->m_log = log;
        node->init();
        node->autorelease();
        return node;
    }
    void onEnter() override
    {
        add("onEnter");
        CCNode::onEnter();
    }
    void onEnterTransitionDidFinish() override
    {
        add("onEnterTransitionDidFinish");
        CCNode::onEnterTransitionDidFinish();
    }
    void onExitTransitionDidStart() override
    {
        CCNode::onExitTransitionDidStart();
        add("onExitTransitionDidStart");
    }
    void onExit() override
    {
        add("onExit");
        CCNode::onExit();
    }
    void cleanup() override
    {
        add("cleanup");
        CCNode::cleanup();
    }
    void draw() override { add("draw"); }
    ~LoggingNode() override
    {
        if (m_log && m_logDestruction)
            m_log->push_back(m_name + ".destroyed");
    }
    void logDestruction() { m_logDestruction = true; }
    const std::string& name() const { return m_name; }

private:
    void add(const char* what)
    {
        if (m_log)
            m_log->push_back(m_name + "." + what);
    }
    std::string m_name;
    Log* m_log = nullptr;
    bool m_logDestruction = false;
};

// A scene with the same logging (scenes need their own class for the director's checks).
class LoggingScene : public cocos2d::CCScene {
public:
    static LoggingScene* create(const std::string& name, Log* log)
    {
        auto* scene = new LoggingScene();
        scene->m_name = name;
        scene->m_log = log;
        scene->init();
        scene->autorelease();
        return scene;
    }
    void onEnter() override
    {
        add("onEnter");
        CCScene::onEnter();
    }
    void onEnterTransitionDidFinish() override
    {
        add("onEnterTransitionDidFinish");
        CCScene::onEnterTransitionDidFinish();
    }
    void onExitTransitionDidStart() override
    {
        CCScene::onExitTransitionDidStart();
        add("onExitTransitionDidStart");
    }
    void onExit() override
    {
        add("onExit");
        CCScene::onExit();
    }
    void cleanup() override
    {
        add("cleanup");
        CCScene::cleanup();
    }
    ~LoggingScene() override
    {
        if (m_log)
            m_log->push_back(m_name + ".destroyed");
    }

private:
    void add(const char* what)
    {
        if (m_log)
            m_log->push_back(m_name + "." + what);
    }
    std::string m_name;
    Log* m_log = nullptr;
};

// Keeps only the entries that start with one of the prefixes.
inline Log filtered(const Log& log, const std::vector<std::string>& prefixes)
{
    Log out;
    for (const std::string& entry : log)
        for (const std::string& prefix : prefixes)
            if (entry.rfind(prefix, 0) == 0) {
                out.push_back(entry);
                break;
            }
    return out;
}

} // namespace coretest
