// Makes the start scenes (logo 0, loading 1, main menu 2) and the account screens known to the SceneDirector.
#pragma once

void registerStartScenes();
