#include "quiz/QuizScenes.h"

#include "app/SceneDirector.h"
#include "quiz/CEventLayer.h"
#include "quiz/CPlayLayer.h"

void registerQuizScenes() {
    SceneDirector::instance().registerScene(3, &CPlayLayer::scene);
    SceneDirector::instance().registerScene(17, &CEventLayer::scene);
}
