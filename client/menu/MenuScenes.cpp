#include "menu/MenuScenes.h"

#include "app/SceneDirector.h"
#include "menu/CRankLayer.h"
#include "menu/CSignLayer.h"

void registerMenuScenes() {
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(4, &CRankLayer::scene);
    director.registerScene(5, &CSignLayer::scene);
}
