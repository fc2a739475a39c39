#include "account/StartScenes.h"

#include "account/CChangeMmLayer.h"
#include "account/CChangeUserInfoLayer.h"
#include "account/CLoadingLayer.h"
#include "account/CLogoLayer.h"
#include "account/CRegisterLayer.h"
#include "account/CUserInfoLayer.h"
#include "app/SceneDirector.h"
#include "menu/CMainLayer.h"

void registerStartScenes() {
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(0, &CLogoLayer::scene);
    director.registerScene(1, &CLoadingLayer::scene);
    director.registerScene(2, &CMainLayer::scene);
    director.registerScene(13, &CUserInfoLayer::scene);
    director.registerScene(14, &CRegisterLayer::scene);
    director.registerScene(15, &CChangeMmLayer::scene);
    director.registerScene(16, &CChangeUserInfoLayer::scene);
}
