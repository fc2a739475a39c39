#include "quiz/QuizScenes.h"

#include "app/SceneDirector.h"
#include "quiz/CPlayLayer.h"

void registerQuizScenes() { SceneDirector::instance().registerScene(3, &CPlayLayer::scene); }
