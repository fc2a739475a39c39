// One step of a newbie guide: the spot to highlight, the text and where the figures stand.
#pragma once

#include "cocos2d.h"

#include <string>

class PlayGuaideAtt : public cocos2d::CCObject {
public:
    static PlayGuaideAtt* create();

    virtual const std::string& getTextKey() const { return m_textKey; }
    virtual void setTextKey(const std::string& key) { m_textKey = key; }
    virtual const cocos2d::CCPoint& getArrowPoint() const { return m_arrowPoint; }
    virtual void setArrowPoint(const cocos2d::CCPoint& p) { m_arrowPoint = p; }
    virtual const cocos2d::CCPoint& getImagePoint() const { return m_imagePoint; }
    virtual void setImagePoint(const cocos2d::CCPoint& p) { m_imagePoint = p; }
    virtual const cocos2d::CCPoint& getPurposePoint() const { return m_purposePoint; }
    virtual void setPurposePoint(const cocos2d::CCPoint& p) { m_purposePoint = p; }
    // Origin: the spot centre; width: its radius.
    virtual const cocos2d::CCRect& getSpot() const { return m_spot; }
    virtual void setSpot(const cocos2d::CCRect& r) { m_spot = r; }
    virtual int getDirection() const { return m_direction; }
    virtual void setDirection(int d) { m_direction = d; }
    virtual int getIsEnd() const { return m_isEnd; }
    virtual void setIsEnd(int e) { m_isEnd = e; }

private:
    std::string m_textKey;
    cocos2d::CCPoint m_arrowPoint, m_imagePoint, m_purposePoint;
    cocos2d::CCRect m_spot;
    int m_direction = 0;
    int m_isEnd = 0;
};
