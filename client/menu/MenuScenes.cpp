#include "menu/MenuScenes.h"

#include "app/SceneDirector.h"

void registerMenuScenes() {
    SceneDirector& director = SceneDirector::instance();
    (void)director;
}
