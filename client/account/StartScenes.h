// Makes the logo (0), loading (1) and main menu (2) scenes known to the SceneDirector.
#pragma once

void registerStartScenes();
