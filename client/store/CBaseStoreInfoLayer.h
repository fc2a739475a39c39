// Asks the server for one goods item's detail on behalf of an exchange dialog and hands the answer
// back. It keeps the dialog alive until the answer is in, and passes it on only while that dialog
// is still the open overlay (scene 9): a late answer for a closed dialog is dropped.
#pragma once

#include "cocos2d.h"

class CStoreInfoLayer;

class CBaseStoreInfoLayer : public cocos2d::CCObject {
public:
    // Sends the detail request for goodsId; the loader lives as long as the request does.
    static CBaseStoreInfoLayer* load(CStoreInfoLayer* dialog, int goodsId);
    ~CBaseStoreInfoLayer() override;

    void onDetail(int code);
    void onDetailFailed(int status);

private:
    CBaseStoreInfoLayer() = default;
    bool dialogStillOpen() const;

    CStoreInfoLayer* m_dialog = nullptr;
};
