// Makes the logo (0), loading (1), main menu (2) and registration (14) scenes known to the SceneDirector.
#pragma once

void registerStartScenes();
