// Puts the store's scenes (the store, its account book and the merchant page) in SceneDirector.
#pragma once

void registerStoreScenes();
