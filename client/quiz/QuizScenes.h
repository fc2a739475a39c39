// Makes single-player play (3) known to the SceneDirector.
#pragma once

void registerQuizScenes();
