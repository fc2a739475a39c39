// The class-specific options of layout widgets.
#include <algorithm>

#include "../json/JsonFields.h"
#include "LayoutResource.h"
#include "director/CCDirector.h"
#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIButton.h"
#include "extensions/gui/UICheckBox.h"
#include "extensions/gui/UIImageView.h"
#include "extensions/gui/UILabel.h"
#include "extensions/gui/UILabelAtlas.h"
#include "extensions/gui/UILabelBMFont.h"
#include "extensions/gui/UILayout.h"
#include "extensions/gui/UIListView.h"
#include "extensions/gui/UILoadingBar.h"
#include "extensions/gui/UIPageView.h"
#include "extensions/gui/UIScrollView.h"
#include "extensions/gui/UISlider.h"
#include "extensions/gui/UITextField.h"

namespace cocos2d::extension {

namespace {

GLubyte channel(const JsonFields& o, const char* key, int fallback)
{
    return static_cast<GLubyte>(std::clamp(o.integer(key, fallback), 0, 255));
}

CCRect capInsets(const JsonFields& o, const char* prefix = "capInsets")
{
    std::string p(prefix);
    return CCRect(o.number((p + "X").c_str(), 0), o.number((p + "Y").c_str(), 0), o.number((p + "Width").c_str(), 0),
                  o.number((p + "Height").c_str(), 0));
}

void readButton(UIButton* b, const JsonFields& o, const std::string& folder)
{
    bool scale9 = o.boolean("scale9Enable", false);
    b->setScale9Enabled(scale9);
    LayoutResource normal = readLayoutResource(o, "normalData", "normal", folder);
    LayoutResource pressed = readLayoutResource(o, "pressedData", "pressed", folder);
    LayoutResource disabled = readLayoutResource(o, "disabledData", "disabled", folder);
    b->loadTextureNormal(normal.c_str(), normal.type);
    b->loadTexturePressed(pressed.c_str(), pressed.type);
    b->loadTextureDisabled(disabled.c_str(), disabled.type);
    if (scale9) {
        b->setCapInsets(capInsets(o));
        if (o.has("scale9Width") || o.has("scale9Height"))
            b->setSize(CCSize(o.number("scale9Width", b->getSize().width), o.number("scale9Height", b->getSize().height)));
    }
    if (o.has("text"))
        b->setTitleText(o.string("text").c_str());
    if (o.has("fontName"))
        b->setTitleFontName(o.string("fontName").c_str());
    if (o.has("fontSize"))
        b->setTitleFontSize(o.number("fontSize", 14));
    if (o.has("textColorR") || o.has("textColorG") || o.has("textColorB"))
        b->setTitleColor(ccc3(channel(o, "textColorR", 255), channel(o, "textColorG", 255), channel(o, "textColorB", 255)));
}

void readImageView(UIImageView* v, const JsonFields& o, const std::string& folder)
{
    LayoutResource file = readLayoutResource(o, "fileNameData", "fileName", folder);
    bool scale9 = o.boolean("scale9Enable", false);
    v->setScale9Enabled(scale9);
    v->loadTexture(file.c_str(), file.type);
    if (scale9) {
        v->setCapInsets(capInsets(o));
        v->setSize(CCSize(o.number("scale9Width", v->getSize().width), o.number("scale9Height", v->getSize().height)));
    }
}

void readLabel(UILabel* l, const JsonFields& o)
{
    l->setTouchScaleChangeEnabled(o.boolean("touchScaleEnable", o.boolean("touchSacleEnable", false)));
    l->setText(o.string("text").c_str());
    l->setFontSize(o.integer("fontSize", 10));
    std::string font = o.string("fontName");
    if (!font.empty())
        l->setFontName(font.c_str());
    if (o.has("areaWidth") && o.has("areaHeight"))
        l->setTextAreaSize(CCSize(o.number("areaWidth", 0), o.number("areaHeight", 0)));
    if (o.has("hAlignment"))
        l->setTextHorizontalAlignment(static_cast<CCTextAlignment>(std::clamp(o.integer("hAlignment", 0), 0, 2)));
    if (o.has("vAlignment"))
        l->setTextVerticalAlignment(static_cast<CCVerticalTextAlignment>(std::clamp(o.integer("vAlignment", 0), 0, 2)));
}

void readLayoutOptions(UILayout* panel, const JsonFields& o, const std::string& folder)
{
    if (o.boolean("adaptScreen", false))
        panel->setSize(CCDirector::sharedDirector()->getWinSize());
    panel->setClippingEnabled(o.boolean("clipAble", false));
    bool scale9 = o.boolean("backGroundScale9Enable", false);
    panel->setBackGroundImageScale9Enabled(scale9);
    int colorType = std::clamp(o.integer("colorType", 0), 0, 2);
    panel->setBackGroundColorType(static_cast<LayoutBackGroundColorType>(colorType));
    panel->setBackGroundColor(ccc3(channel(o, "bgColorR", 255), channel(o, "bgColorG", 255), channel(o, "bgColorB", 255)));
    panel->setBackGroundColor(
        ccc3(channel(o, "bgStartColorR", 255), channel(o, "bgStartColorG", 255), channel(o, "bgStartColorB", 255)),
        ccc3(channel(o, "bgEndColorR", 255), channel(o, "bgEndColorG", 255), channel(o, "bgEndColorB", 255)));
    panel->setBackGroundColorVector(CCPoint(o.number("vectorX", 0), o.number("vectorY", -0.5f)));
    panel->setBackGroundColorOpacity(std::clamp(o.integer("bgColorOpacity", 255), 0, 255));
    LayoutResource image = readLayoutResource(o, "backGroundImageData", "backGroundImage", folder);
    panel->setBackGroundImage(image.c_str(), image.type);
    if (scale9)
        panel->setBackGroundImageCapInsets(capInsets(o));
    int layoutType = std::clamp(o.integer("layoutType", 0), 0, 3);
    panel->setLayoutType(static_cast<LayoutType>(layoutType));
}

void readScrollView(UIScrollView* s, const JsonFields& o)
{
    const CCSize size = s->getSize();
    s->setInnerContainerSize(CCSize(o.number("innerWidth", size.width), o.number("innerHeight", size.height)));
    int direction = std::clamp(o.integer("direction", 1), 0, 3);
    s->setDirection(static_cast<SCROLLVIEW_DIR>(direction));
    s->setBounceEnabled(o.boolean("bounceEnable", false));
}

void readCheckBox(UICheckBox* c, const JsonFields& o, const std::string& folder)
{
    LayoutResource box = readLayoutResource(o, "backGroundBoxData", "backGroundBox", folder);
    LayoutResource boxSelected = readLayoutResource(o, "backGroundBoxSelectedData", "backGroundBoxSelected", folder);
    LayoutResource cross = readLayoutResource(o, "frontCrossData", "frontCross", folder);
    LayoutResource boxDisabled = readLayoutResource(o, "backGroundBoxDisabledData", "backGroundBoxDisabled", folder);
    LayoutResource crossDisabled = readLayoutResource(o, "frontCrossDisabledData", "frontCrossDisabled", folder);
    c->loadTextureBackGround(box.c_str(), box.type);
    c->loadTextureBackGroundSelected(boxSelected.c_str(), boxSelected.type);
    c->loadTextureFrontCross(cross.c_str(), cross.type);
    c->loadTextureBackGroundDisabled(boxDisabled.c_str(), boxDisabled.type);
    c->loadTextureFrontCrossDisabled(crossDisabled.c_str(), crossDisabled.type);
    c->setSelectedState(o.boolean("selectedState", false));
}

void readTextField(UITextField* t, const JsonFields& o)
{
    t->setPlaceHolder(o.string("placeHolder").c_str());
    t->setMaxLengthEnabled(o.boolean("maxLengthEnable", false));
    t->setMaxLength(o.integer("maxLength", 10));
    t->setText(o.string("text").c_str());
    t->setFontSize(o.integer("fontSize", 20));
    std::string font = o.string("fontName");
    if (!font.empty())
        t->setFontName(font.c_str());
    if (o.has("touchSizeWidth") && o.has("touchSizeHeight"))
        t->setTouchSize(CCSize(o.number("touchSizeWidth", 0), o.number("touchSizeHeight", 0)));
    t->setPasswordEnabled(o.boolean("passwordEnable", false));
    if (o.has("passwordStyleText"))
        t->setPasswordStyleText(o.string("passwordStyleText").c_str());
    if (o.has("areaWidth") && o.has("areaHeight"))
        t->setTextAreaSize(CCSize(o.number("areaWidth", 0), o.number("areaHeight", 0)));
    if (o.has("hAlignment"))
        t->setTextHorizontalAlignment(static_cast<CCTextAlignment>(std::clamp(o.integer("hAlignment", 0), 0, 2)));
    if (o.has("vAlignment"))
        t->setTextVerticalAlignment(static_cast<CCVerticalTextAlignment>(std::clamp(o.integer("vAlignment", 0), 0, 2)));
}

void readLoadingBar(UILoadingBar* l, const JsonFields& o, const std::string& folder)
{
    LayoutResource texture = readLayoutResource(o, "textureData", "texture", folder);
    l->setScale9Enabled(o.boolean("scale9Enable", false));
    l->loadTexture(texture.c_str(), texture.type);
    if (o.boolean("scale9Enable", false))
        l->setCapInsets(capInsets(o));
    l->setDirection(o.integer("direction", 0) == 1 ? LoadingBarTypeRight : LoadingBarTypeLeft);
    l->setPercent(o.integer("percent", 100));
}

void readSlider(UISlider* s, const JsonFields& o, const std::string& folder)
{
    LayoutResource bar = readLayoutResource(o, "barFileNameData", "barFileName", folder);
    LayoutResource normal = readLayoutResource(o, "ballNormalData", "ballNormal", folder);
    LayoutResource pressed = readLayoutResource(o, "ballPressedData", "ballPressed", folder);
    LayoutResource disabled = readLayoutResource(o, "ballDisabledData", "ballDisabled", folder);
    LayoutResource progress = readLayoutResource(o, "progressBarData", "progressBarFileName", folder);
    s->setScale9Enabled(o.boolean("scale9Enable", false));
    s->loadBarTexture(bar.c_str(), bar.type);
    if (o.boolean("scale9Enable", false) && o.has("length"))
        s->setSize(CCSize(o.number("length", 0), s->getSize().height));
    s->loadSlidBallTextures(normal.c_str(), pressed.c_str(), disabled.c_str(), normal.type);
    s->loadProgressBarTexture(progress.c_str(), progress.type);
    s->setPercent(o.integer("percent", 0));
}

void readLabelAtlas(UILabelAtlas* l, const JsonFields& o, const std::string& folder)
{
    LayoutResource map = readLayoutResource(o, "charMapFileData", "charMapFile", folder);
    l->setProperty(o.string("stringValue").c_str(), map.type == UI_TEX_TYPE_LOCAL ? map.c_str() : "",
                   o.integer("itemWidth", 0), o.integer("itemHeight", 0), o.string("startCharMap").c_str());
}

void readLabelBMFont(UILabelBMFont* l, const JsonFields& o, const std::string& folder)
{
    LayoutResource font = readLayoutResource(o, "fileNameData", "fileName", folder);
    l->setText(o.string("text").c_str());
    if (font.type == UI_TEX_TYPE_LOCAL)
        l->setFntFile(font.c_str());
}

} // namespace

void GUIReader::applyClassOptions(UIWidget* widget, const std::string& classname, const JsonFields& o)
{
    const std::string& folder = m_folder;
    if (auto* list = dynamic_cast<UIListView*>(widget)) {
        readLayoutOptions(list, o, folder);
        readScrollView(list, o);
        list->setItemsMargin(o.number("itemMargin", 0));
        list->setGravity(static_cast<ListViewGravity>(std::clamp(o.integer("gravity", 2), 0, 5)));
    } else if (auto* scroll = dynamic_cast<UIScrollView*>(widget)) {
        readLayoutOptions(scroll, o, folder);
        readScrollView(scroll, o);
    } else if (auto* panel = dynamic_cast<UILayout*>(widget)) {
        readLayoutOptions(panel, o, folder);
    } else if (auto* button = dynamic_cast<UIButton*>(widget)) {
        readButton(button, o, folder);
    } else if (auto* image = dynamic_cast<UIImageView*>(widget)) {
        readImageView(image, o, folder);
    } else if (auto* label = dynamic_cast<UILabel*>(widget)) {
        readLabel(label, o);
    } else if (auto* box = dynamic_cast<UICheckBox*>(widget)) {
        readCheckBox(box, o, folder);
    } else if (auto* field = dynamic_cast<UITextField*>(widget)) {
        readTextField(field, o);
    } else if (auto* bar = dynamic_cast<UILoadingBar*>(widget)) {
        readLoadingBar(bar, o, folder);
    } else if (auto* slider = dynamic_cast<UISlider*>(widget)) {
        readSlider(slider, o, folder);
    } else if (auto* atlas = dynamic_cast<UILabelAtlas*>(widget)) {
        readLabelAtlas(atlas, o, folder);
    } else if (auto* bmfont = dynamic_cast<UILabelBMFont*>(widget)) {
        readLabelBMFont(bmfont, o, folder);
    }
    (void)classname;
}

} // namespace cocos2d::extension
