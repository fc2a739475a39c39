#include "menu/MenuScenes.h"

#include "app/SceneDirector.h"
#include "menu/CTaskLayer.h"

void registerMenuScenes() {
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(CTaskLayer::kScene, &CTaskLayer::scene);
}
