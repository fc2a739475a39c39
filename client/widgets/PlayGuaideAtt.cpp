#include "widgets/PlayGuaideAtt.h"

PlayGuaideAtt* PlayGuaideAtt::create() {
    PlayGuaideAtt* step = new PlayGuaideAtt;
    step->autorelease();
    return step;
}
