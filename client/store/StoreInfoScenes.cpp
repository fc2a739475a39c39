#include "store/StoreInfoScenes.h"

#include "app/SceneDirector.h"
#include "store/CStoreInfoLayer.h"

void registerStoreInfoOverlay() { SceneDirector::instance().registerStoreInfo(&CStoreInfoLayer::make); }
